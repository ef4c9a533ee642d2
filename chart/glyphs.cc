// The glyph tables, laid out from their lists in chart/glyphs.h.
#include "chart/glyphs.h"

#include <array>

#define KMT_GLYPH_BYTES(Name, bytes, shown) bytes,
#define KMT_GLYPH_SHOWN(Name, bytes, shown) shown,

const char cell2[kCell2Count][3] = {KMT_CELL2_GLYPHS(KMT_GLYPH_BYTES)};
const char* const cell2_shown[kCell2Count] = {KMT_CELL2_GLYPHS(KMT_GLYPH_SHOWN)};
const char cell4[kCell4Count][5] = {KMT_CELL4_PIECES(KMT_GLYPH_BYTES)};
const char* const cell4_shown[kCell4Count] = {KMT_CELL4_PIECES(KMT_GLYPH_SHOWN)};

namespace {

template <typename Entry>
using SymbolTable = std::array<Entry, kKindSymbolCount>;

constexpr SymbolTable<std::array<char, 7>> lay_out_symbols() {
  SymbolTable<std::array<char, 7>> table{};
  std::uint32_t next = 0;
  for (const KindSymbolEntry& entry : kKindSymbolEntries) {
    if (!belongs_to(entry.editions, kEdition)) continue;
    for (int i = 0; i < 6; ++i) table[next][i] = entry.bytes[i];
    ++next;
  }
  return table;
}

constexpr SymbolTable<const char*> lay_out_shown() {
  SymbolTable<const char*> table{};
  std::uint32_t next = 0;
  for (const KindSymbolEntry& entry : kKindSymbolEntries) {
    if (belongs_to(entry.editions, kEdition)) table[next++] = entry.shown;
  }
  return table;
}


// Each keyword row's caption, by kind code (index 0 is plain text).
struct CaptionOfRow {
  RowId row;
  std::uint32_t caption;
};

#define KMT_ROW_CAPTION(Name, pattern, caption, editions) {RowId::Name, kCaption##caption},
constexpr CaptionOfRow kRowCaptions[] = {KMT_KEYWORD_ROWS(KMT_ROW_CAPTION)};
#undef KMT_ROW_CAPTION

constexpr std::array<std::uint32_t, kKeywordRowCount + 1> lay_out_captions() {
  std::array<std::uint32_t, kKeywordRowCount + 1> table{};
  table[0] = kCaptionNone;
  for (const CaptionOfRow& entry : kRowCaptions) {
    const std::uint32_t kind = row_number(entry.row);
    if (kind != kNoSuchRow) table[kind] = entry.caption;
  }
  return table;
}

constexpr std::array<std::uint32_t, kKeywordRowCount + 1> kCaptions = lay_out_captions();

// A keyword statement of kind k draws kind_symbol row k when k is at most
// 18 and row k - 5 above; the assignment draws row k - 30.
constexpr bool captions_stand_where_the_rows_say() {
  for (std::uint32_t kind = 1; kind <= kKeywordRowCount; ++kind) {
    const std::uint32_t caption = kCaptions[kind];
    if (caption == kCaptionNone) continue;
    const std::uint32_t expected = kind == kRowEquals ? kind - 30 : kind <= 18 ? kind : kind - 5;
    if (caption != expected) return false;
  }
  return true;
}
static_assert(captions_stand_where_the_rows_say());

}  // namespace

constexpr std::array<std::array<char, 7>, kKindSymbolCount> kind_symbol = lay_out_symbols();
constexpr std::array<const char*, kKindSymbolCount> kind_symbol_shown = lay_out_shown();

std::uint32_t caption_of_kind(std::uint32_t kind) { return kind <= kKeywordRowCount ? kCaptions[kind] : kCaptionNone; }
