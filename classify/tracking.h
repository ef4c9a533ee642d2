// Condition tracking and DO-label tracking, consulted match by match by the
// classifier.
#pragma once

#include <cstdint>

#include "driver/edition.h"

// Keyword rows whose parenthesised condition is followed.
inline constexpr std::uint32_t kRowIf = 37;
inline constexpr std::uint32_t kRowElseIfWord = 38;
inline constexpr std::uint32_t kRowElseIf = 39;
inline constexpr std::uint32_t kRowThen = 40;
inline constexpr std::uint32_t kRowSelectCase = 41;
inline constexpr std::uint32_t kRowCase = 44;
inline constexpr std::uint32_t kRowWhere = 46;
inline constexpr std::uint32_t kRowWhile = 73;

// Follows the condition brackets, decides block or one-line IF and WHERE.
void track_match(std::uint32_t row_number, std::uint32_t text_length, std::uint32_t operand_offset);

// Pushes the label that starts at `column` of work_line (a labelled DO).
void push_do_label(std::uint32_t column);

#if KMT_EDITION_MERIDOL
// Counts the loops ended by the label at `column` (a labelled statement).
void note_loop_ends(std::uint32_t column);
// Appends the loop-end records owed since the last labelled statement.
void flush_loop_ends();
#else
// Appends a loop-end record for every loop the label at `column` ends.
void close_labelled_loops(std::uint32_t column);
#endif
