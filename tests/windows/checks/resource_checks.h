// Checks of the resources built into one edition's program.
#pragma once

#include <string>

// program_path: the .exe; meridol: which edition it must be.
void check_program_resources(const std::wstring& program_path, bool meridol);
