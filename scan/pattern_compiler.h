// Compiles one keyword pattern text into its token slots.
#pragma once

#include <cstdint>

// Compiles the pattern text standing in work_line into row compile_row of
// compiled_patterns and updates semicolon_row / ampersand_row.  Returns the
// number of tokens; the caller stores it as the row's token_count.
std::uint32_t compile_pattern();
