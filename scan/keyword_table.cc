// The keyword pattern table, laid out from the list of keyword rows.
#include "scan/keyword_table.h"

namespace {

constexpr std::uint32_t kListLength = sizeof kKeywordRowEntries / sizeof kKeywordRowEntries[0];

// The row's text, its line feed, then NULs.  A text too long for its row is
// a compile-time error.
constexpr PatternSourceRow pattern_source_row(const char* pattern) {
  PatternSourceRow row{};
  std::size_t length = 0;
  while (pattern[length] != '\0') ++length;
  if (length + 2 > kPatternSourceWidth) throw "a keyword pattern does not fit its 40-byte row";
  for (std::size_t i = 0; i < length; ++i) row[i] = pattern[i];
  row[length] = '\n';
  return row;
}

constexpr std::array<PatternSourceRow, kKeywordRowCount> lay_out_table() {
  std::array<PatternSourceRow, kKeywordRowCount> table{};
  std::uint32_t next = 0;
  for (const KeywordRowEntry& entry : kKeywordRowEntries) {
    if (belongs_to(entry.editions, kEdition)) table[next++] = pattern_source_row(entry.pattern);
  }
  return table;
}

struct RowNames {
  const char* names[kKeywordRowCount + 1];
};

constexpr RowNames list_row_names() {
  RowNames table{};
  table.names[0] = "";
  for (std::uint32_t i = 0; i < kListLength; ++i) {
    const std::uint32_t number = row_number_in(kEdition, static_cast<RowId>(i));
    if (number != 0) table.names[number] = kKeywordRowEntries[i].name;
  }
  return table;
}

constexpr RowNames kRowNames = list_row_names();

}  // namespace

constexpr std::array<PatternSourceRow, kKeywordRowCount> keyword_pattern_source = lay_out_table();

const char* keyword_row_name(std::uint32_t kind) { return kind <= kKeywordRowCount ? kRowNames.names[kind] : ""; }
