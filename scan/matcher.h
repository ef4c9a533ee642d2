// The keyword matcher: every occurrence of every compiled pattern in a line.
#pragma once

#include <cstdint>

// Sorts the compiled rows by the first character of their first token, once
// per run after the rows are compiled (see note [first-character-index]).
void index_patterns();

// Empties match_list before a line.
void reset_matches();

// Scans work_line column by column and, at each column, tries the compiled
// rows in table order; each match is recorded in match_list and claims its
// characters in taken_mask.
void match_line();

// The same scan trying every row at every column: the reference the indexed
// scan must always agree with.
void match_line_trying_every_row();

// Sets left_class and right_class for a token occurrence at start.
void classify_neighbours(std::uint32_t start, std::uint32_t length);

// Looks for the later tokens of the row whose token 0 was just accepted and
// records the match when all are found.
void match_rest(std::uint32_t row_index);
