// The platform layer of the benchmark programs.
//
// Files open through app/posix_files.cc, as in the programs; messages are counted rather than shown, so that a
// benchmark can refuse a source whose run is not the ordinary, message-free
// case it means to time; a fatal message ends the program, since no figure
// taken after one would describe a conversion.
#pragma once

#include <cstddef>

// Messages shown since the program started.
std::size_t shown_message_count();
