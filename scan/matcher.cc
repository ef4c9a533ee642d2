// The keyword matcher.
//
// Token 0 of a row is anchored at the scanned column; each later token is
// looked for anywhere after the one before it.  A recorded match claims the
// characters of all its tokens, so at one column the earlier row wins and
// across columns the leftmost match wins, even over its later words.
//
// The scan does what the character rule says, in fewer steps; see notes
// [first-character-index] and [line-tables].

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

// [line-tables]
// The text of a line ends at its first line feed, NUL or 0xFF (or past the
// last column a scan looks at): no token character can be found there or
// beyond.  That end is found once per line, and so is the line's first
// non-blank column.  A token of length n is then found at column c exactly
// when c + n lies within the text, its characters equal the line's, none of
// them is a blank (a blank never matches, so a token holding one can never be
// found) and every column is free in both masks.  A later token of a row can
// only be found where the line holds its first character, so the search
// jumps from one such column to the next instead of trying every column; an
// empty later token is tried at every non-blank column, as the rule says.
// The search does not even begin when the line holds that character nowhere
// from where the search starts.

// [word-compare]
// A token is compared with the line, and its columns tested free in both
// masks, eight bytes at a time: a word of the line against a word of the
// token's text, and words of the masks against blanks, each masked to the
// bytes the token covers.  The line and masks have a word of room past their
// last byte, and a token's text is 40 bytes, so every word read lies inside
// its buffer; bytes past the token are masked off, whatever they hold.
#include "scan/matcher.h"

#include <cstring>

#include "driver/workspace.h"
#include "scan/keyword_rows.h"
#include "scan/line_words.h"
#include "scan/match_memo.h"

namespace {

// Neighbour classes by byte: on the left of a token, and on its right, where
// the end of the text (NUL, line feed, 0xFF) counts as a blank.
struct ClassTables {
  std::uint8_t left[256];
  std::uint8_t right[256];
};

constexpr std::uint8_t neighbour_class(unsigned c) {
  if (c == ' ' || c == '\t') return kClassBlank;
  if (c == '-') return kClassHyphen;
  if ((c >= 0x21 && c <= 0x2F) || (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x60) ||
      (c >= 0x7B && c <= 0x7D)) {
    return kClassPunctuation;
  }
  return kClassOther;
}

constexpr ClassTables make_class_tables() {
  ClassTables tables{};
  for (unsigned c = 0; c < 256; ++c) {
    tables.left[c] = neighbour_class(c);
    tables.right[c] = ends_text_byte(c) ? kClassBlank : neighbour_class(c);
  }
  return tables;
}

constexpr ClassTables kClasses = make_class_tables();

unsigned char byte_at(std::uint32_t column) { return static_cast<unsigned char>(ws.run.work_line[column]); }

bool is_blank_or_tab(char c) { return c == ' ' || c == '\t'; }

std::uint32_t left_neighbour_class(std::uint32_t start) {
  return start == 0 ? kClassBlank : kClasses.left[byte_at(start - 1)];
}

// Where the text of the line ends: no token character lies at or past it.
std::uint32_t find_text_end() {
  const char* line = ws.run.work_line;
  std::size_t end = ws.run.line_length;
  if (const void* feed = std::memchr(line, '\n', end)) end = static_cast<std::size_t>(static_cast<const char*>(feed) - line);
  if (const void* ff = std::memchr(line, 0xFF, end)) end = static_cast<std::size_t>(static_cast<const char*>(ff) - line);
  const std::size_t limit = ws.matching.scan_end_column + std::size_t{1};
  return static_cast<std::uint32_t>(end < limit ? end : limit);
}

static_assert(kTokenTextCapacity % 8 == 0, "a token's text is read in whole words");
static_assert(kCompiledPatternCapacity < 255, "a row, and a row + 1, is kept in one byte");

// The character rule for the whole token (see notes [line-tables] and
// [word-compare]); `holds_blank` says whether its text holds a blank.
bool token_found_at(const PatternToken& token, bool holds_blank, std::uint32_t column) {
  const std::uint32_t length = token.length;
  if (column + length > ws.matching.text_end || holds_blank) return false;
  const char* line = ws.run.work_line + column;
  const char* quotes = ws.normalisation.quote_mask + column;
  const char* taken = ws.normalisation.taken_mask + column;
  if (length <= 8) {  // most tokens: one word
    const std::uint64_t differs =
        (word_at(line) ^ word_at(token.text)) | (word_at(quotes) ^ kBlankWord) | (word_at(taken) ^ kBlankWord);
    return (differs & byte_mask(length)) == 0;
  }
  for (std::uint32_t j = 0; j < length; j += 8) {
    const std::uint64_t mask = byte_mask(length - j);
    const std::uint64_t differs = (word_at(line + j) ^ word_at(token.text + j)) |
                                  (word_at(quotes + j) ^ kBlankWord) | (word_at(taken + j) ^ kBlankWord);
    if ((differs & mask) != 0) return false;
  }
  return true;
}

bool token_accepted_at(const PatternToken& token, bool holds_blank, std::uint32_t column) {
  if (!token_found_at(token, holds_blank, column)) return false;
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
  ++ws.matching.claims;
  for (std::uint32_t t = 0; t < row.token_count; ++t) {
    for (std::uint32_t c = ws.matching.token_starts[t]; c < ws.matching.token_ends[t]; ++c) {
      ws.normalisation.taken_mask[c] = ws.run.work_line[c];
    }
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

// The first column from `from` on where the token is found and accepted, or
// text_end when there is none.
std::uint32_t find_later_token(const PatternToken& token, bool holds_blank, std::uint32_t from) {
  const std::uint32_t end = ws.matching.text_end;
  if (token.length == 0) {
    for (std::uint32_t c = from; c < end; ++c) {
      if (!is_blank_or_tab(ws.run.work_line[c]) && token_accepted_at(token, holds_blank, c)) return c;
    }
    return end;
  }
  if (holds_blank) return end;
  const char first = token.text[0];
  const unsigned char byte = static_cast<unsigned char>(first);
  if (ws.matching.byte_stamps[byte] != ws.matching.line_stamp || ws.matching.last_columns[byte] < from) return end;
  for (std::uint32_t c = from; c < end;) {
    const void* next = std::memchr(ws.run.work_line + c, first, end - c);
    if (next == nullptr) return end;
    c = static_cast<std::uint32_t>(static_cast<const char*>(next) - ws.run.work_line);
    if (token_accepted_at(token, holds_blank, c)) return c;
    ++c;
  }
  return end;
}

bool first_token_accepted(std::uint32_t r, std::uint32_t col) {
  if (is_line_start_row(r) && col != ws.matching.line_start_column) return false;
  return token_accepted_at(ws.patterns.compiled_patterns[r].tokens[0], ws.matching.token_holds_blank[r][0], col);
}

// Token 0 stands at the column; the row's later tokens may stand anywhere after it.
void match_row_from(std::uint32_t r, std::uint32_t col) {
  const CompiledPattern& row = ws.patterns.compiled_patterns[r];
  ws.matching.matched_tokens = 1;
  ws.matching.token_starts[0] = col;
  ws.matching.token_ends[0] = col + row.tokens[0].length;
  match_rest(r);
}

// Tries the rows of a bucket at the column, in table order.  A row whose
// first word differs from the line's here cannot match here; rows that share
// token 0 find it, or not, together until a match claims characters.
void try_bucket_at(std::uint32_t col, const std::uint8_t* rows, std::uint32_t size) {
  const std::uint64_t here = word_at(ws.run.work_line + col);
  std::uint32_t tested_group = kCompiledPatternCapacity;
  bool group_accepted = false;
  for (std::uint32_t i = 0; i < size; ++i) {
    const std::uint8_t r = rows[i];
    if (((here ^ ws.matching.first_words[r]) & ws.matching.first_word_masks[r]) != 0) continue;
    const std::uint32_t group = ws.matching.first_token_groups[r];
    if (group != tested_group) {
      tested_group = group;
      group_accepted = first_token_accepted(r, col);
    }
    if (!group_accepted) continue;
    const std::uint32_t claims_before = ws.matching.claims;
    match_row_from(r, col);
    if (ws.matching.claims != claims_before) tested_group = kCompiledPatternCapacity;
  }
}

bool same_first_token(std::uint32_t a, std::uint32_t b) {
  const PatternToken& x = ws.patterns.compiled_patterns[a].tokens[0];
  const PatternToken& y = ws.patterns.compiled_patterns[b].tokens[0];
  return x.length == y.length && std::memcmp(x.text, y.text, x.length) == 0 && x.left_kind == y.left_kind &&
         x.right_kind == y.right_kind && is_line_start_row(a) == is_line_start_row(b);
}

// Tries the rows at every column of the line where one can begin (see note
// [first-character-index]).
void scan_line() {
  const std::uint32_t end = ws.matching.text_end;
  const unsigned char* line = reinterpret_cast<const unsigned char*>(ws.run.work_line);
  const std::uint32_t stamp = ++ws.matching.line_stamp;
  for (std::uint32_t c = 0; c < end; ++c) {
    ws.matching.byte_stamps[line[c]] = stamp;
    ws.matching.last_columns[line[c]] = static_cast<std::uint8_t>(c);
  }
  // The first non-blank column, where the Meridol label rows may match.
  std::uint32_t first = ws.matching.scan_start_column;
  while (first < end && is_blank_or_tab(static_cast<char>(line[first]))) ++first;
  ws.matching.line_start_known = first < end;
  ws.matching.line_start_column = first;
  // The blanks before it begin no token.
  const std::uint8_t* const bucket_classes = ws.matching.bucket_classes;
  for (std::uint32_t col = first; col < end; ++col) {
    const unsigned char line_char = line[col];
    const std::uint32_t left = (col == 0 ? kClassBlank : kClasses.left[line[col - 1]]) - 1;
    if ((bucket_classes[line_char] >> left & 1u) == 0) continue;
    try_bucket_at(col, ws.matching.row_buckets[left][line_char], ws.matching.bucket_sizes[left][line_char]);
  }
}

}  // namespace

void reset_matches() {
  // Only records the last line used can be non-zero.
  std::memset(ws.matching.match_list, 0, sizeof(MatchRecord) * (ws.matching.match_count > 0 ? ws.matching.match_count : 1));
  ws.matching.match_count = 0;
}

void classify_neighbours(std::uint32_t start, std::uint32_t length) {
  ws.matching.left_class = left_neighbour_class(start);
  ws.matching.right_class = start + 1 == ws.normalisation.line_end ? kClassBlank : kClasses.right[byte_at(start + length)];
}

void match_rest(std::uint32_t row_index) {
  const CompiledPattern& row = ws.patterns.compiled_patterns[row_index];
  for (std::uint32_t t = 1; t < row.token_count; ++t) {
    const PatternToken& token = row.tokens[t];
    const std::uint32_t c = find_later_token(token, ws.matching.token_holds_blank[row_index][t], ws.matching.token_ends[t - 1]);
    if (c >= ws.matching.text_end) return;
    ws.matching.token_starts[t] = c;
    ws.matching.token_ends[t] = c + token.length;
    ++ws.matching.matched_tokens;
  }
  if (ws.matching.matched_tokens == row.token_count) record_match(row_index, skip_blanks(ws.matching.token_ends[0]));
}

void index_patterns() {
  forget_matches();
  // The rows that lead their first-token group, chained by the first byte of
  // their first word (row + 1, latest first; 0 ends a chain): a row can only
  // join a leader that begins as it does, and no two leaders share a token.
  std::uint8_t leader_heads[kBucketCount] = {};
  std::uint8_t earlier_leaders[kCompiledPatternCapacity] = {};
  for (std::uint32_t r = 0; r < ws.matching.pattern_count; ++r) {
    const CompiledPattern& row = ws.patterns.compiled_patterns[r];
    for (std::uint32_t t = 0; t < row.token_count && t < kTokensPerPattern; ++t) {
      const PatternToken& token = row.tokens[t];
      bool blank = false;
      for (std::uint32_t j = 0; j < token.length; ++j) blank = blank || is_blank_or_tab(token.text[j]);
      ws.matching.token_holds_blank[r][t] = blank;
    }
    const PatternToken& first = row.tokens[0];
    const std::uint64_t mask = row.token_count > 0 ? byte_mask(first.length) : 0;
    ws.matching.first_words[r] = word_at(first.text) & mask;
    ws.matching.first_word_masks[r] = mask;
    ws.matching.first_token_groups[r] = static_cast<std::uint8_t>(r);
    const std::uint8_t first_byte = static_cast<std::uint8_t>(ws.matching.first_words[r]);
    for (std::uint32_t leader = leader_heads[first_byte]; leader != 0; leader = earlier_leaders[leader - 1]) {
      // Rows whose first words differ cannot share token 0.
      if (ws.matching.first_words[leader - 1] == ws.matching.first_words[r] &&
          ws.matching.first_word_masks[leader - 1] == mask && same_first_token(leader - 1, r)) {
        ws.matching.first_token_groups[r] = static_cast<std::uint8_t>(leader - 1);
        break;
      }
    }
    if (ws.matching.first_token_groups[r] == r) {
      earlier_leaders[r] = leader_heads[first_byte];
      leader_heads[first_byte] = static_cast<std::uint8_t>(r + 1);
    }
  }
  std::memset(ws.matching.bucket_sizes, 0, sizeof ws.matching.bucket_sizes);
  for (std::uint32_t r = ws.matching.first_pattern; r < ws.matching.pattern_count; ++r) {
    const CompiledPattern& row = ws.patterns.compiled_patterns[r];
    if (row.token_count == 0) break;
    const PatternToken& first = row.tokens[0];
    // An empty token 0 stands in every bucket, any other in its first byte's.
    const std::uint32_t first_bucket = first.length == 0 ? 0 : static_cast<unsigned char>(first.text[0]);
    const std::uint32_t last_bucket = first.length == 0 ? kBucketCount - 1 : first_bucket;
    for (std::uint32_t left = 1; left <= kNeighbourClasses; ++left) {
      if (first.left_kind < left) continue;
      for (std::uint32_t c = first_bucket; c <= last_bucket; ++c) {
        std::uint8_t& size = ws.matching.bucket_sizes[left - 1][c];
        ws.matching.row_buckets[left - 1][c][size++] = static_cast<std::uint8_t>(r);
      }
    }
  }
  // A blank or tab never begins a token, so no bucket of theirs is tried.
  for (std::uint32_t c = 0; c < kBucketCount; ++c) {
    std::uint8_t classes = 0;
    for (std::uint32_t left = 1; left <= kNeighbourClasses; ++left) {
      if (ws.matching.bucket_sizes[left - 1][c] != 0) classes = static_cast<std::uint8_t>(classes | 1u << (left - 1));
    }
    ws.matching.bucket_classes[c] = is_blank_or_tab(static_cast<char>(c)) ? 0 : classes;
  }
}

void match_line() {
  ws.matching.text_end = find_text_end();
  if (recall_matches()) return;
  scan_line();
  remember_matches();
}
