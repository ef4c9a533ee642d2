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
#include <initializer_list>

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

// The first and the last column of [0, length) that holds neither a blank
// nor a tab; none leaves the start values.
void measure_line(std::size_t length) {
  const char* line = ws.run.work_line;
  std::size_t first = 0;
  while (first < length && is_blank_or_tab(line[first])) ++first;
  if (first == length) return;
  std::size_t last = length - 1;
  while (is_blank_or_tab(line[last])) --last;
  ws.normalisation.first_nonblank = static_cast<std::uint32_t>(first);
  ws.normalisation.last_nonblank = static_cast<std::uint32_t>(last);
}

void mark_column(LineState& state, std::size_t i, std::size_t n, bool starts_line) {
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

// [normalise-runs]
// Most columns need nothing but the literal state they stand in: outside a
// comment, a character other than a tab, "&", a quote, "!" or "*" changes no
// state and gets the quote of the open literal (or a blank) and a free
// taken byte.  Such runs are marked at once; the other columns, and column 0
// (the fixed-form comment test), go through mark_column one by one.  Once a
// comment has begun, the rest of the line is comment columns but for its tabs.

// Bytes that need mark_column, outside and (after a "/*" has been seen, when
// no comment tests run) inside a block comment.
struct SpecialBytes {
  bool testing[256];
  bool untested[256];
};

constexpr SpecialBytes make_special_bytes() {
  SpecialBytes table{};
  for (const unsigned char c : {'\t', '&', '"', '\'', '!', '*'}) table.testing[c] = true;
  for (const unsigned char c : {'\t', '&', '"', '\''}) table.untested[c] = true;
  return table;
}

constexpr SpecialBytes kSpecialBytes = make_special_bytes();

// The end of the run of ordinary columns from i (see note [normalise-runs]).
std::size_t ordinary_run_end(std::size_t i, std::size_t length) {
  const bool* special = ws.normalisation.block_comment == kBlank ? kSpecialBytes.testing : kSpecialBytes.untested;
  const char* line = ws.run.work_line;
  while (i < length && !special[static_cast<unsigned char>(line[i])]) ++i;
  return i;
}

char open_literal_quote(const LineState& state) {
  if (state.in_double != kBlank) return '"';
  if (state.in_single != kBlank) return '\'';
  return kBlank;
}

void mark_comment_rest(std::size_t i, std::size_t length) {
  std::memset(ws.normalisation.taken_mask + i, kMaskComment, length - i);
  std::memset(ws.normalisation.quote_mask + i, kBlank, length - i);
  const char* line = ws.run.work_line;
  for (const char* tab = static_cast<const char*>(std::memchr(line + i, '\t', length - i)); tab != nullptr;
       tab = static_cast<const char*>(std::memchr(tab + 1, '\t', line + length - tab - 1))) {
    const std::size_t column = static_cast<std::size_t>(tab - line);
    ws.normalisation.taken_mask[column] = '\t';
    ws.normalisation.quote_mask[column] = '\t';
  }
}

void mark_columns(LineState& state, std::size_t length, std::size_t n, bool starts_line) {
  std::size_t i = 0;
  if (length > 0) mark_column(state, i++, n, starts_line);
  while (i < length) {
    if (state.in_comment != kBlank) {
      mark_comment_rest(i, length);
      return;
    }
    const std::size_t run_end = ordinary_run_end(i, length);
    if (run_end > i) {
      std::memset(ws.normalisation.quote_mask + i, open_literal_quote(state), run_end - i);
      std::memset(ws.normalisation.taken_mask + i, kBlank, run_end - i);
      i = run_end;
      continue;
    }
    mark_column(state, i++, n, starts_line);
  }
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
  const std::size_t n = ws.run.line_length;
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
  measure_line(length);
  mark_columns(state, length, n, starts_line);
  ws.normalisation.cut_state = state;
  put_line_end(length);
}
