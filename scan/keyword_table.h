// The ordered keyword pattern table of the edition being built.
//
// A row's place is its identity: the matcher reports a match by the row's
// number (index + 1), and the later stages tell statements apart by it.  The
// table therefore holds every row in order, the filler rows included.
#pragma once

#include <cstdint>

#include "driver/workspace.h"

// Rows in the edition's table: 134 (Sorvane) or 144 (Meridol).
extern const std::uint32_t keyword_row_count;

// Rows compiled at the start of a run and tried by the matcher.  It is 134 in
// both editions: the Meridol table's last ten rows (the standalone digits)
// take no part in matching, so both editions find the same landmark rows.
inline constexpr std::uint32_t kCompiledRowCount = 134;

// Each row: a pattern text ending in a line feed, then NUL padding.
extern const char keyword_pattern_source[][kPatternSourceWidth];
