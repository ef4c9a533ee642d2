// The matcher's reference: the scan written as plainly as it can be, every
// compiled row tried at every non-blank column in table order, character by
// character, with none of the product matcher's shortcuts (its index, its
// per-line tables, its searches).  It shares nothing with scan/matcher.cc but
// the compiled table and the masks, and fills the same match list and claims.
#include "tests/support/reference_matcher.h"

#include "driver/workspace.h"
#include "scan/keyword_rows.h"

namespace {

bool ends_text(char c) { return c == '\0' || c == '\n' || c == '\xFF'; }
bool blank_or_tab(char c) { return c == ' ' || c == '\t'; }
const char* line() { return ws.run.work_line; }

std::uint32_t neighbour_class(unsigned char c) {
  if (c == ' ' || c == '\t') return 1;
  if (c == '-') return 3;
  if ((c >= 0x21 && c <= 0x2F) || (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x60) || (c >= 0x7B && c <= 0x7D)) {
    return 2;
  }
  return 4;
}

std::uint32_t left_class(std::uint32_t start) {
  return start == 0 ? 1 : neighbour_class(static_cast<unsigned char>(line()[start - 1]));
}

std::uint32_t right_class(std::uint32_t start, std::uint32_t length) {
  if (start + 1 == ws.normalisation.line_end) return 1;
  const char c = line()[start + length];
  return ends_text(c) ? 1 : neighbour_class(static_cast<unsigned char>(c));
}

bool found_at(const PatternToken& token, std::uint32_t column) {
  for (std::uint32_t j = 0; j < token.length; ++j) {
    const std::uint32_t c = column + j;
    const char ch = line()[c];
    if (ends_text(ch) || c > ws.matching.scan_end_column) return false;
    if (blank_or_tab(ch) || ch != token.text[j]) return false;
    if (ws.normalisation.quote_mask[c] != ' ' || ws.normalisation.taken_mask[c] != ' ') return false;
  }
  return true;
}

bool accepted_at(const PatternToken& token, std::uint32_t column) {
  return found_at(token, column) && token.left_kind >= left_class(column) &&
         token.right_kind >= right_class(column, token.length);
}

void record(std::uint32_t row_index, const std::uint32_t* starts, const std::uint32_t* ends, std::uint32_t after) {
  const CompiledPattern& row = ws.patterns.compiled_patterns[row_index];
  if (kNumberingUnitRows.contains(row_index + 1)) ws.records.unit_statement_number = 0;
  if (ws.matching.match_count < kMatchListCapacity) {
    ws.matching.match_list[ws.matching.match_count++] = MatchRecord{row_index + 1, starts[0], after, ends[row.token_count - 1]};
  }
  for (std::uint32_t t = 0; t < row.token_count; ++t) {
    for (std::uint32_t c = starts[t]; c < ends[t]; ++c) ws.normalisation.taken_mask[c] = line()[c];
  }
}

void try_row(std::uint32_t row_index, std::uint32_t column, std::uint32_t line_start) {
  const CompiledPattern& row = ws.patterns.compiled_patterns[row_index];
  if (kLabelRows.contains(row_index + 1) && column != line_start) return;
  if (!accepted_at(row.tokens[0], column)) return;
  std::uint32_t starts[kTokensPerPattern] = {column};
  std::uint32_t ends[kTokensPerPattern] = {column + row.tokens[0].length};
  std::uint32_t after = ends[0];
  while (blank_or_tab(line()[after]) && after <= ws.matching.scan_end_column) ++after;
  for (std::uint32_t t = 1; t < row.token_count; ++t) {
    bool found = false;
    for (std::uint32_t c = ends[t - 1]; !ends_text(line()[c]) && c <= ws.matching.scan_end_column; ++c) {
      if (blank_or_tab(line()[c]) || !accepted_at(row.tokens[t], c)) continue;
      starts[t] = c;
      ends[t] = c + row.tokens[t].length;
      found = true;
      break;
    }
    if (!found) return;
  }
  record(row_index, starts, ends, after);
}

}  // namespace

void match_line_trying_every_row() {
  std::uint32_t line_start = 0;
  bool line_start_known = false;
  for (std::uint32_t col = ws.matching.scan_start_column; !ends_text(line()[col]) && col <= ws.matching.scan_end_column;
       ++col) {
    if (blank_or_tab(line()[col])) continue;
    if (!line_start_known) {
      line_start = col;
      line_start_known = true;
    }
    for (std::uint32_t r = ws.matching.first_pattern; r < ws.matching.pattern_count; ++r) {
      if (ws.patterns.compiled_patterns[r].token_count == 0) break;
      try_row(r, col, line_start);
    }
  }
}
