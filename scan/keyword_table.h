// The keyword pattern table of the edition being built, as the run compiles
// it: one 40-byte row per keyword row (scan/keyword_rows.h), each a pattern
// text ending in a line feed, then NUL padding.
#pragma once

#include <array>

#include "driver/capacities.h"
#include "scan/keyword_rows.h"

using PatternSourceRow = std::array<char, kPatternSourceWidth>;

extern const std::array<PatternSourceRow, kKeywordRowCount> keyword_pattern_source;
