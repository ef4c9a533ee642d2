// The pieces of a composed line and how both views write them.  Inline:
// the views call these for every column of every line.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

#include "chart/glyphs.h"
#include "classify/statement_records.h"
#include "driver/chart_writer.h"
#include "driver/source_decoding.h"
#include "driver/view_writer.h"
#include "driver/workspace.h"

namespace view_pieces {

// ---- The glyphs, from the glyph lists --------------------------------------------------
//
// Every entry of the lists carries its Shift-JIS bytes and the same text in
// UTF-8; walking both side by side gives the code point of every pair the
// tables draw (kanji of the captions included).

inline constexpr std::uint32_t kLeadCount = (0x9F - 0x81 + 1) + (0xFC - 0xE0 + 1);
inline constexpr std::uint32_t kTrailCount = 0x100 - 0x40;

constexpr bool is_lead(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

constexpr std::uint32_t pair_index(unsigned char lead, unsigned char trail) {
  const std::uint32_t lead_index = lead <= 0x9F ? lead - 0x81u : lead - 0xE0u + (0x9F - 0x81 + 1);
  return lead_index * kTrailCount + (trail - 0x40u);
}

using GlyphTable = std::array<char32_t, kLeadCount * kTrailCount>;

constexpr char32_t next_utf8(const char*& text) {
  const auto lead = static_cast<unsigned char>(*text++);
  if (lead < 0x80) return lead;
  const int owed = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
  char32_t code_point = lead & (0x3F >> owed);
  for (int i = 0; i < owed; ++i) code_point = (code_point << 6) | (static_cast<unsigned char>(*text++) & 0x3Fu);
  return code_point;
}

constexpr void add_entry(GlyphTable& table, const char* bytes, const char* shown) {
  while (*bytes != '\0' && *shown != '\0') {
    const auto lead = static_cast<unsigned char>(*bytes);
    const char32_t code_point = next_utf8(shown);
    if (is_lead(lead)) {
      table[pair_index(lead, static_cast<unsigned char>(bytes[1]))] = code_point;
      bytes += 2;
    } else {
      ++bytes;
    }
  }
}

constexpr GlyphTable make_glyph_table() {
  GlyphTable table{};
#define KMT_ADD_GLYPH(Name, bytes, shown) add_entry(table, bytes, shown);
  KMT_CELL2_GLYPHS(KMT_ADD_GLYPH)
  KMT_CELL4_PIECES(KMT_ADD_GLYPH)
#undef KMT_ADD_GLYPH
  for (const KindSymbolEntry& entry : kKindSymbolEntries) add_entry(table, entry.bytes, entry.shown);
  return table;
}

inline constexpr GlyphTable kGlyphTable = make_glyph_table();

static_assert(kGlyphTable[pair_index(0x84, 0xA0)] == U'│' && kGlyphTable[pair_index(0x81, 0xA9)] == U'←');
static_assert(kGlyphTable[pair_index(0x94, 0xBB)] == U'判');


}  // namespace view_pieces

// The glyph a Shift-JIS pair of the glyph tables draws, or 0 when the pair is
// none of theirs.
inline char32_t glyph_code_point(unsigned char lead, unsigned char trail) {
  if (!view_pieces::is_lead(lead) || trail < 0x40) return 0;
  return view_pieces::kGlyphTable[view_pieces::pair_index(lead, trail)];
}

// The glyphs of the tables below U+3000 (box glyphs, arrows, shapes, "※")
// are all East-Asian ambiguous, those from it on (kanji, kana) wide: a test
// holds the tables to this, so the views need not look each glyph up.
inline bool glyph_is_ambiguous(char32_t glyph) { return glyph < 0x3000; }

// Glyphs whose stroke runs on to the right: narrow, they are followed by "─".
inline bool glyph_runs_right(char32_t c) {
  return c == U'─' || c == U'┌' || c == U'└' || c == U'├' || c == U'←' || c == U'◆';
}

// One piece of a composed line, left to right.
enum class PieceKind : std::uint8_t {
  kText,   // a run of one span's statement text: `length` columns of span `span`
  kGlyph,  // a two-byte glyph: `code_point`
  kBlank,  // `length` blank columns
  kStray,  // a byte that is none of these (a glyph cut by another): shown as U+FFFD
};

struct LinePiece {
  PieceKind kind;
  std::uint8_t span;
  std::uint32_t length;  // columns of the line it covers
  char32_t code_point;
};

// The length of the composed line, up to its line feed (the composition
// notes where it ends the line).
inline std::uint32_t line_length() { return ws.view.line_end; }

// The piece of the line at `column` (below `end`).
inline LinePiece line_piece(const char* line, std::uint32_t column, std::uint32_t end) {
  const std::uint8_t* mask = ws.view.text_mask;
  if (const std::uint8_t span = mask[column]; span != 0) {
    std::uint32_t after = column + 1;
    while (after < end && mask[after] == span) ++after;
    return {PieceKind::kText, span, after - column, 0};
  }
  const auto byte = static_cast<unsigned char>(line[column]);
  if (byte == ' ') {
    std::uint32_t after = column + 1;
    while (after < end && line[after] == ' ' && mask[after] == 0) ++after;
    return {PieceKind::kBlank, 0, after - column, ' '};
  }
  if (column + 1 < end && mask[column + 1] == 0) {
    const char32_t glyph = glyph_code_point(byte, static_cast<unsigned char>(line[column + 1]));
    if (glyph != 0) return {PieceKind::kGlyph, 0, 2, glyph};
  }
  return {PieceKind::kStray, 0, 1, kReplacementCharacter};
}

// Writes ASCII text at `to` and returns the end.
template <std::size_t N>
inline char* put_literal(char* to, const char (&text)[N]) {
  std::memcpy(to, text, N - 1);
  return to + N - 1;
}

inline char* put_utf8(char* to, char32_t code_point) { return to + encode_utf8(code_point, to); }

// A character of the source as page text.
inline char* put_html_character(char* to, char32_t code_point) {
  switch (code_point) {
    case '&':
      return put_literal(to, "&amp;");
    case '<':
      return put_literal(to, "&lt;");
    case '>':
      return put_literal(to, "&gt;");
    case '"':
      return put_literal(to, "&quot;");
    case '\'':
      return put_literal(to, "&#39;");
    default:
      return put_utf8(to, code_point);
  }
}

// Bytes a text piece can need: six for each byte of its text ("&quot;").
inline std::size_t text_piece_room(const LinePiece& piece) {
  const StatementRecord& record = ws.records.statement_table[ws.view.span_records[piece.span - 1u]];
  return record.text_length * std::size_t{6} + 8;
}

// Writes the characters of a text piece (those of its span that lie whole
// within it) at `to`, escaped for a page when kHtml; adds the columns a
// terminal takes for them to `shown`.  Returns the end.
template <bool kHtml>
inline char* put_text_piece(char* to, std::uint32_t column, const LinePiece& piece, bool ambiguous_wide,
                            std::uint32_t& shown) {
  const std::uint32_t span = piece.span - 1u;
  const StatementRecord& record = ws.records.statement_table[ws.view.span_records[span]];
  const char* text = statement_text(record);
  // Columns of the piece, counted from the span's start.
  const std::uint32_t first = column - ws.view.span_columns[span];
  const std::uint32_t after = first + piece.length;
  std::uint32_t position = 0;
  for (std::uint32_t at = 0; at < record.text_length && position < after;) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte >= 0x20 && byte < 0x7F) {  // ASCII: one byte, one column, in either encoding
      if (position >= first) {
        if constexpr (kHtml) {
          to = put_html_character(to, byte);
        } else {
          *to++ = static_cast<char>(byte);
        }
        ++shown;
      }
      ++position;
      ++at;
      continue;
    }
    const DecodedCharacter character = decode_character(text + at, record.text_length - at);
    const std::uint32_t columns = chart_width(character.code_point, character.length);
    if (position >= first && position + columns <= after) {
      if constexpr (kHtml) {
        to = put_html_character(to, character.code_point);
      } else {
        to = put_utf8(to, character.code_point);
      }
      shown += display_width(character.code_point, ambiguous_wide);
    }
    position += columns;
    at += character.length;
  }
  return to;
}

// Writes through the chart writer's buffer.
inline void put_ascii(const char* text, std::size_t length) {
  std::memcpy(chart_bytes_room(length), text, length);
  chart_bytes_added(length);
}

inline void put_code_point(char32_t code_point) {
  char* to = chart_bytes_room(4);
  chart_bytes_added(encode_utf8(code_point, to));
}
