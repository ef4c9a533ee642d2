// Line normalisation: literal and comment masks of one source line.
#pragma once

#include <cstdint>

#include "driver/markers.h"
#include "driver/capacities.h"

// A column with no non-blank character: first_nonblank of an empty line.
inline constexpr std::uint32_t kNoColumn = 999;

// Mask and state bytes.
inline constexpr char kMaskFree = ' ';          // free column; no literal, no comment open
inline constexpr char kMaskComment = '!';       // taken_mask: a comment column
inline constexpr char kBlockCommentOpen = '*';  // block_comment after a "/*"

// The literal and comment state within a line: blank, or the quote of the
// literal open, or kMaskComment once a comment has begun.  Every line starts
// outside all three; a piece that continues a line starts where it was cut
// (see note [piece-state] in scan/normalise.cc).
struct PieceState {
  char in_double;
  char in_single;
  char in_comment;
};

// The state a line starts in.
inline constexpr PieceState kOutsideLiteralsAndComments{kMaskFree, kMaskFree, kMaskFree};

// Normalisation's part of the workspace.
struct NormalisationPart {
  // One byte per column of work_line, then a line feed at line_end and a NUL.
  // quote_mask: blank, or the quote of the literal the column lies in.
  // taken_mask: blank, "!" in a comment, and the matcher's claims.
  // Both hold a tab at a tab column.
  char quote_mask[kMaskCapacity + kWordSlack];
  char taken_mask[kMaskCapacity + kWordSlack];
  std::uint32_t first_nonblank;  // kNoColumn when there is none
  std::uint32_t last_nonblank;   // 0 when there is none
  std::uint32_t line_end;        // where both masks hold their line feed
  Marker line_flag;              // kMarkerComment for a comment line
  // Carried from line to line.
  Marker comment_carry;  // kMarkerComment once a "/*" has been seen
  char block_comment;    // kBlockCommentOpen once a "/*" has been seen
  char string_carry;     // the quote of a literal left open at a trailing "&"
  PieceState cut_state;  // the state at the end of the last piece, for a piece that continues it
};

// Measures and marks work_line: fills quote_mask and taken_mask, the first and
// last non-blank columns, line_flag and line_end, and carries literal and
// "/*" state on to the next line.
void normalise_line();
