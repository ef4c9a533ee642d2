// The keyword matcher: every occurrence of every compiled pattern in a line.
#pragma once

#include <cstdint>

#include "driver/capacities.h"
#include "scan/match_memo.h"

// The last column a scan looks at; lines are shorter, so it never takes effect.
inline constexpr std::uint32_t kScanEndColumn = 999;

struct MatchRecord {
  std::uint32_t row_number;    // matching row's index + 1
  std::uint32_t start_column;  // first character of token 0
  std::uint32_t after_column;  // first non-blank column after token 0
  std::uint32_t end_column;    // one past the last token
};

// The matcher's part of the workspace.
struct MatchingPart {
  // Set once per run.
  std::uint32_t first_pattern;
  std::uint32_t pattern_count;
  std::uint32_t scan_start_column;
  std::uint32_t scan_end_column;
  // Where the text of the current line ends, and the last column of it that
  // holds each byte (valid where its stamp is the line's), so that a token is
  // looked for only where its first character can still come (see note
  // [line-tables]).
  std::uint32_t text_end;
  std::uint32_t line_stamp;
  std::uint32_t byte_stamps[256];
  std::uint8_t last_columns[256];
  // The current line's matches, in column order.
  std::uint32_t match_count;
  MatchRecord match_list[kMatchListCapacity];
  // The attempt in progress.
  std::uint32_t matched_tokens;
  std::uint32_t claims;  // matches that have claimed characters, counted over the run
  std::uint32_t token_starts[kTokensPerPattern];
  std::uint32_t token_ends[kTokensPerPattern];
  std::uint32_t left_class;
  std::uint32_t right_class;
  // The first non-blank column of the line, once the scan has met it (the
  // Meridol label rows match only there).
  std::uint32_t line_start_column;
  bool line_start_known;
  // The rows that can begin at a column, by the class of the character
  // before it and the column's character (see note [first-character-index]):
  // how many, and in row_buckets below, which.
  std::uint8_t bucket_sizes[kNeighbourClasses][kBucketCount];
  // For each byte, a bit for each class before it (bit class - 1) whose
  // bucket holds a row: one test per column passes over the rest.
  std::uint8_t bucket_classes[kBucketCount];
  // Tokens that hold a blank, which never matches, so they are never found.
  bool token_holds_blank[kCompiledPatternCapacity][kTokensPerPattern];
  // The first eight bytes of each row's token 0 and the mask of those it has,
  // to pass over a row at a column in one comparison (see note [word-compare]).
  std::uint64_t first_words[kCompiledPatternCapacity];
  std::uint64_t first_word_masks[kCompiledPatternCapacity];
  // The first row whose token 0 is the same as this row's (text, kinds and
  // where it may stand): at one column they are found, or not, together.
  std::uint8_t first_token_groups[kCompiledPatternCapacity];
  // Lines already scanned in this run (scan/match_memo.h).
  MatchMemoState memo;
  // ---- Tables: written before they are read, never cleared ----
  // Of each bucket, the first bucket_sizes entries are its rows, in table order.
  std::uint8_t row_buckets[kNeighbourClasses][kBucketCount][kCompiledPatternCapacity];
  MatchMemoTables memo_tables;
};

// Sorts the compiled rows by the first character of their first token, once
// per run after the rows are compiled (see note [first-character-index]).
void index_patterns();

// Empties match_list before a line.
void reset_matches();

// Scans work_line column by column and, at each column, tries the compiled
// rows in table order; each match is recorded in match_list and claims its
// characters in taken_mask.  A line the memo holds gets the same effects
// from there, without a scan (scan/match_memo.h).
void match_line();

// Sets left_class and right_class for a token occurrence at start.
void classify_neighbours(std::uint32_t start, std::uint32_t length);

// Looks for the later tokens of the row whose token 0 was just accepted and
// records the match when all are found.
void match_rest(std::uint32_t row_index);
