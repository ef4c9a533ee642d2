// Line normalisation.
//
// A column is free for keyword matching only when both masks hold a blank
// there: quote_mask marks the inside of character literals, taken_mask marks
// comment columns (and later the matcher's claims); tab columns are marked in
// both.  State that outlives a line: comment_carry and block_comment (once a
// "/*" has been seen every later line is a comment line), and string_carry
// (the kind of literal left open at a trailing "&", see note [string-carry]).
#include "scan/normalise.h"

#include <cstring>

#include "driver/workspace.h"

namespace {

constexpr char kBlank = kMaskFree;

using LineState = PieceState;

bool is_blank_or_tab(char c) { return c == ' ' || c == '\t'; }

// True when nothing but blanks and tabs follows column i up to the line end.
bool only_blanks_after(std::size_t i, std::size_t n) {
  for (std::size_t j = i + 1; j < n && ws.run.work_line[j] != '\n'; ++j) {
    if (!is_blank_or_tab(ws.run.work_line[j])) return false;
  }
  return true;
}

// [string-carry]
// A literal open at a trailing "&" goes on at the "&" that begins the next
// line.  The carried kind is recorded only when the "&" really ends the line,
// and it is dropped again once a later "&" has reopened the literal, so an
// ordinary continued statement after a continued literal keeps its keywords.
void note_continuation(LineState& state, std::size_t i, std::size_t n) {
  if (state.in_double == kBlank && state.in_single == kBlank) {
    if (ws.normalisation.string_carry == '"') state.in_double = '"';
    if (ws.normalisation.string_carry == '\'') state.in_single = '\'';
    ws.normalisation.string_carry = kBlank;
  } else if (only_blanks_after(i, n)) {
    ws.normalisation.string_carry = state.in_double != kBlank ? '"' : '\'';
  }
}

// A backslash escapes a quote unless it is itself escaped or follows a byte
// outside 0x20..0x7D (such as the second byte of a two-byte character).
bool is_delimiting_quote(std::size_t i) {
  if (i == 0) return true;
  const unsigned char before = static_cast<unsigned char>(ws.run.work_line[i - 1]);
  if (i == 1) return before != '\\';
  const unsigned char two_before = static_cast<unsigned char>(ws.run.work_line[i - 2]);
  const bool escaping = before == '\\' && two_before >= 0x20 && two_before <= 0x7D && two_before != '\\';
  return !escaping;
}

void mark_literal_column(LineState& state, std::size_t i, std::size_t n) {
  const char c = ws.run.work_line[i];
  ws.normalisation.taken_mask[i] = kBlank;
  if (c == '&') note_continuation(state, i, n);
  const bool delimits = (c == '"' || c == '\'') && is_delimiting_quote(i);
  if (delimits && c == '"') {
    ws.normalisation.quote_mask[i] = state.in_single;
    if (state.in_single == kBlank) state.in_double = state.in_double == kBlank ? '"' : kBlank;
  } else if (delimits) {
    ws.normalisation.quote_mask[i] = state.in_double;
    if (state.in_double == kBlank) state.in_single = state.in_single == kBlank ? '\'' : kBlank;
  } else if (state.in_double != kBlank) {
    ws.normalisation.quote_mask[i] = '"';
  } else if (state.in_single != kBlank) {
    ws.normalisation.quote_mask[i] = '\'';
  } else {
    ws.normalisation.quote_mask[i] = kBlank;
  }
}

void test_comment_start(LineState& state, std::size_t i, bool starts_line) {
  if (ws.normalisation.block_comment != kBlank || state.in_comment != kBlank) return;
  const char c = ws.run.work_line[i];
  if (i > 0 && c == '*' && ws.run.work_line[i - 1] == '/') {
    ws.normalisation.block_comment = kBlockCommentOpen;
    ws.normalisation.comment_carry = kMarkerComment;
  }
  if (c == '!') state.in_comment = kMaskComment;
  if (i == 0 && starts_line && (c == 'c' || c == 'd' || c == '*')) {
    state.in_comment = kMaskComment;
    ws.normalisation.line_flag = kMarkerComment;
  }
}

void measure_column(std::size_t i) {
  const char c = ws.run.work_line[i];
  if (i < ws.normalisation.first_nonblank && !is_blank_or_tab(c)) ws.normalisation.first_nonblank = static_cast<std::uint32_t>(i);
  if (i > ws.normalisation.last_nonblank && !is_blank_or_tab(c) && c != '\n') ws.normalisation.last_nonblank = static_cast<std::uint32_t>(i);
}

void mark_column(LineState& state, std::size_t i, std::size_t n, bool starts_line) {
  measure_column(i);
  const char c = ws.run.work_line[i];
  if (c == '\t') {
    ws.normalisation.quote_mask[i] = '\t';
    ws.normalisation.taken_mask[i] = '\t';
  } else if (state.in_comment != kBlank) {
    ws.normalisation.taken_mask[i] = state.in_comment;
    ws.normalisation.quote_mask[i] = kBlank;
  } else {
    mark_literal_column(state, i, n);
  }
  test_comment_start(state, i, starts_line);
}

void put_line_end(std::size_t column) {
  ws.normalisation.line_end = static_cast<std::uint32_t>(column);
  ws.normalisation.quote_mask[column] = '\n';
  ws.normalisation.taken_mask[column] = '\n';
  ws.normalisation.quote_mask[column + 1] = '\0';
  ws.normalisation.taken_mask[column + 1] = '\0';
}

// [piece-state]
// A line longer than the read buffer arrives in pieces.  A piece that
// continues a line starts in the literal and comment state the line had
// where it was cut, so the rest of a literal stays a literal and the rest of
// a comment stays a comment (the piece is then a comment line); only a piece
// that starts its line can be a fixed-form comment by its first column.  A
// piece is seen up to its first NUL; one that begins with NUL ends the
// carried state.

PieceState starting_state() {
  if (!ws.reading.piece_continues_line) return kOutsideLiteralsAndComments;
  const PieceState carried = ws.normalisation.cut_state;
  if (carried.in_comment != kBlank) ws.normalisation.line_flag = kMarkerComment;
  return carried;
}

}  // namespace

void normalise_line() {
  ws.normalisation.line_flag = ws.normalisation.comment_carry;
  const std::size_t n = std::strlen(ws.run.work_line);
  ws.normalisation.first_nonblank = kNoColumn;
  ws.normalisation.last_nonblank = 0;
  if (n == 0) {
    ws.normalisation.cut_state = kOutsideLiteralsAndComments;
    put_line_end(0);
    return;
  }
  const bool starts_line = !ws.reading.piece_continues_line;
  LineState state = starting_state();
  // Every character up to the line feed belongs to the line; a piece without
  // one (the end of a file without a final line feed, or a piece that filled
  // the read buffer) is all line.
  const std::size_t length = ws.run.work_line[n - 1] == '\n' ? n - 1 : n;
  for (std::size_t i = 0; i < length; ++i) mark_column(state, i, n, starts_line);
  ws.normalisation.cut_state = state;
  put_line_end(length);
}
