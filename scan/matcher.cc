// The keyword matcher.
//
// Token 0 of a row is anchored at the scanned column; each later token is
// looked for anywhere after the one before it.  A recorded match claims the
// characters of all its tokens, so at one column the earlier row wins and
// across columns the leftmost match wins, even over its later words.

// [first-character-index]
// A row can match at a column only when the first character of its token 0
// equals the line's character there: the character rule compares every
// character, and a blank never matches.  Trying at each column only the rows
// whose token 0 begins with that column's character, in table order, gives
// exactly the matches of trying every row: the rows left out cannot match,
// and an attempt that fails changes nothing but the attempt's own working
// values.  A row whose token 0 is empty could match anywhere and stands in
// every bucket; the first row without tokens ends every bucket, as it ends
// the row loop.  The buckets are kept once for each class of the character
// before the column, holding only the rows whose token 0 accepts that
// neighbour: the others fail the neighbour test at that column whatever
// follows.  So inside a word, where keywords cannot begin, next to no row is
// tried.
#include "scan/matcher.h"

#include <cstring>

#include "driver/workspace.h"
#include "scan/keyword_rows.h"

namespace {

bool ends_text(char c) { return c == '\0' || c == '\n' || c == '\xFF'; }

bool is_blank_or_tab(char c) { return c == ' ' || c == '\t'; }

// Neighbour class of a character next to a token occurrence:
// 1 blank or tab, 2 punctuation (the underscore too), 3 '-', 4 anything else.
std::uint32_t neighbour_class(unsigned char c) {
  if (c == ' ' || c == '\t') return kClassBlank;
  if (c == '-') return kClassHyphen;
  if ((c >= 0x21 && c <= 0x2F) || (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x60) ||
      (c >= 0x7B && c <= 0x7D)) {
    return kClassPunctuation;
  }
  return kClassOther;
}

// The start of the line counts as a blank.
std::uint32_t left_neighbour_class(std::uint32_t start) {
  return start == 0 ? kClassBlank : neighbour_class(static_cast<unsigned char>(ws.run.work_line[start - 1]));
}

// On the right the end of the text counts as a blank.
std::uint32_t right_neighbour_class(unsigned char c) {
  if (c == '\0' || c == '\n' || c == 0xFF) return kClassBlank;
  return neighbour_class(c);
}

bool column_is_free(std::uint32_t column) {
  return ws.normalisation.quote_mask[column] == kMaskFree && ws.normalisation.taken_mask[column] == kMaskFree;
}

// The character rule: all characters of the token stand at column onwards,
// none of them a blank, inside a literal or comment, or already claimed.
bool token_found_at(const PatternToken& token, std::uint32_t column) {
  for (std::uint32_t j = 0; j < token.length; ++j) {
    const std::uint32_t c = column + j;
    const char line_char = ws.run.work_line[c];
    if (ends_text(line_char) || c > ws.matching.scan_end_column) return false;
    if (is_blank_or_tab(line_char) || line_char != token.text[j] || !column_is_free(c)) return false;
  }
  return true;
}

bool token_accepted_at(const PatternToken& token, std::uint32_t column) {
  if (!token_found_at(token, column)) return false;
  classify_neighbours(column, token.length);
  return token.left_kind >= ws.matching.left_class && token.right_kind >= ws.matching.right_class;
}

// Rows are tried by their index; a match records their number.
std::uint32_t row_number_of_index(std::uint32_t row_index) { return row_index + 1; }

void record_match(std::uint32_t row_index, std::uint32_t after_column) {
  const CompiledPattern& row = ws.patterns.compiled_patterns[row_index];
  const std::uint32_t row_number = row_number_of_index(row_index);
  // The program-unit words restart the running statement number.
  if (kNumberingUnitRows.contains(row_number)) ws.records.unit_statement_number = 0;
  if (ws.matching.match_count < kMatchListCapacity) {
    MatchRecord& match = ws.matching.match_list[ws.matching.match_count++];
    match.row_number = row_number;
    match.start_column = ws.matching.token_starts[0];
    match.after_column = after_column;
    match.end_column = ws.matching.token_ends[row.token_count - 1];
  }
  for (std::uint32_t t = 0; t < row.token_count; ++t) {
    for (std::uint32_t c = ws.matching.token_starts[t]; c < ws.matching.token_ends[t]; ++c) ws.normalisation.taken_mask[c] = ws.run.work_line[c];
  }
}

// First column at or after `column` that is neither blank nor tab; the end of
// the text (or the scan limit) when the line ends first.
std::uint32_t skip_blanks(std::uint32_t column) {
  while (is_blank_or_tab(ws.run.work_line[column]) && column <= ws.matching.scan_end_column) ++column;
  return column;
}

// The Meridol label rows match only at the first non-blank column of a line.
bool is_line_start_row(std::uint32_t row_index) { return kLabelRows.contains(row_number_of_index(row_index)); }

}  // namespace

bool prepare_column(std::uint32_t col) {
  const char line_char = ws.run.work_line[col];
  if (ends_text(line_char) || col > ws.matching.scan_end_column) return false;
  if (!is_blank_or_tab(line_char) && !ws.matching.line_start_known) {
    ws.matching.line_start_column = col;
    ws.matching.line_start_known = true;
  }
  return true;
}

// Token 0 is anchored at the column; the row's later tokens may stand anywhere after it.
void try_row_at(std::uint32_t r, std::uint32_t col) {
  const CompiledPattern& row = ws.patterns.compiled_patterns[r];
  if (is_line_start_row(r) && col != ws.matching.line_start_column) return;
  if (!token_accepted_at(row.tokens[0], col)) return;
  ws.matching.matched_tokens = 1;
  ws.matching.token_starts[0] = col;
  ws.matching.token_ends[0] = col + row.tokens[0].length;
  match_rest(r);
}

void reset_matches() {
  // Only records the last line used can be non-zero.
  std::memset(ws.matching.match_list, 0, sizeof(MatchRecord) * (ws.matching.match_count > 0 ? ws.matching.match_count : 1));
  ws.matching.match_count = 0;
}

void classify_neighbours(std::uint32_t start, std::uint32_t length) {
  ws.matching.left_class = left_neighbour_class(start);
  ws.matching.right_class = start + 1 == ws.normalisation.line_end
                                ? kClassBlank
                                : right_neighbour_class(static_cast<unsigned char>(ws.run.work_line[start + length]));
}

void match_rest(std::uint32_t row_index) {
  const CompiledPattern& row = ws.patterns.compiled_patterns[row_index];
  const std::uint32_t after_column = skip_blanks(ws.matching.token_ends[0]);
  for (std::uint32_t t = 1; t < row.token_count; ++t) {
    const PatternToken& token = row.tokens[t];
    bool found = false;
    for (std::uint32_t c = ws.matching.token_ends[t - 1];; ++c) {
      const char line_char = ws.run.work_line[c];
      if (ends_text(line_char) || c > ws.matching.scan_end_column) break;
      if (is_blank_or_tab(line_char)) continue;
      if (token_accepted_at(token, c)) {
        ws.matching.token_starts[t] = c;
        ws.matching.token_ends[t] = c + token.length;
        ++ws.matching.matched_tokens;
        found = true;
        break;
      }
    }
    if (!found) return;
  }
  if (ws.matching.matched_tokens == row.token_count) record_match(row_index, after_column);
}

void index_patterns() {
  std::memset(ws.matching.bucket_sizes, 0, sizeof ws.matching.bucket_sizes);
  for (std::uint32_t r = ws.matching.first_pattern; r < ws.matching.pattern_count; ++r) {
    const CompiledPattern& row = ws.patterns.compiled_patterns[r];
    if (row.token_count == 0) break;
    const PatternToken& first = row.tokens[0];
    for (std::uint32_t left = 1; left <= kNeighbourClasses; ++left) {
      if (first.left_kind < left) continue;
      for (std::uint32_t c = 0; c < kBucketCount; ++c) {
        if (first.length != 0 && static_cast<unsigned char>(first.text[0]) != c) continue;
        std::uint8_t& size = ws.matching.bucket_sizes[left - 1][c];
        ws.matching.row_buckets[left - 1][c][size++] = static_cast<std::uint8_t>(r);
      }
    }
  }
}

void match_line() {
  ws.matching.line_start_known = false;
  for (std::uint32_t col = ws.matching.scan_start_column;; ++col) {
    if (!prepare_column(col)) break;
    const unsigned char line_char = static_cast<unsigned char>(ws.run.work_line[col]);
    if (is_blank_or_tab(static_cast<char>(line_char))) continue;
    const std::uint32_t left = left_neighbour_class(col) - 1;
    const std::uint8_t* rows = ws.matching.row_buckets[left][line_char];
    for (std::uint32_t i = 0; i < ws.matching.bucket_sizes[left][line_char]; ++i) try_row_at(rows[i], col);
  }
}
