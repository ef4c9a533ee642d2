// What the views share: the glyphs of the tables, the pieces of a line, and
// the choice of view.
#include "driver/view_writer.h"

#include <array>
#include <cstring>

#include "chart/glyphs.h"
#include "classify/statement_records.h"
#include "driver/chart_writer.h"
#include "driver/source_decoding.h"
#include "driver/workspace.h"

void write_text_view_line(const char* line);  // driver/text_view.cc
void begin_html_view();                       // driver/html_view.cc
void write_html_view_line(std::uint32_t row, const char* line);
void end_html_view();

namespace {

// ---- The glyphs, from the glyph lists --------------------------------------------------
//
// Every entry of the lists carries its Shift-JIS bytes and the same text in
// UTF-8; walking both side by side gives the code point of every pair the
// tables draw (kanji of the captions included).

constexpr std::uint32_t kLeadCount = (0x9F - 0x81 + 1) + (0xFC - 0xE0 + 1);
constexpr std::uint32_t kTrailCount = 0x100 - 0x40;

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

constexpr GlyphTable kGlyphTable = make_glyph_table();

static_assert(kGlyphTable[pair_index(0x84, 0xA0)] == U'│' && kGlyphTable[pair_index(0x81, 0xA9)] == U'←');
static_assert(kGlyphTable[pair_index(0x94, 0xBB)] == U'判');

}  // namespace

char32_t glyph_code_point(unsigned char lead, unsigned char trail) {
  if (!is_lead(lead) || trail < 0x40) return 0;
  return kGlyphTable[pair_index(lead, trail)];
}

bool glyph_runs_right(char32_t c) {
  return c == U'─' || c == U'┌' || c == U'└' || c == U'├' || c == U'←' || c == U'◆';
}

std::uint32_t line_length(const char* line) {
  std::uint32_t length = 0;
  while (line[length] != '\n' && line[length] != '\0') ++length;
  return length;
}

LinePiece line_piece(const char* line, std::uint32_t column, std::uint32_t end) {
  const std::uint8_t* mask = ws.view.text_mask;
  if (const std::uint8_t span = mask[column]; span != 0) {
    std::uint32_t after = column + 1;
    while (after < end && mask[after] == span) ++after;
    return {PieceKind::kText, span, after - column, 0};
  }
  const auto byte = static_cast<unsigned char>(line[column]);
  if (byte == ' ') return {PieceKind::kBlank, 0, 1, ' '};
  if (column + 1 < end && mask[column + 1] == 0) {
    const char32_t glyph = glyph_code_point(byte, static_cast<unsigned char>(line[column + 1]));
    if (glyph != 0) return {PieceKind::kGlyph, 0, 2, glyph};
  }
  return {PieceKind::kStray, 0, 1, kReplacementCharacter};
}

std::uint32_t put_text_piece(std::uint32_t column, const LinePiece& piece, bool ambiguous_wide,
                             void (*put)(char32_t)) {
  const std::uint32_t span = piece.span - 1u;
  const StatementRecord& record = ws.records.statement_table[ws.view.span_records[span]];
  const char* text = statement_text(record);
  // Columns of the piece, counted from the span's start.
  const std::uint32_t first = column - ws.view.span_columns[span];
  const std::uint32_t after = first + piece.length;
  std::uint32_t position = 0;
  std::uint32_t shown = 0;
  for (std::uint32_t at = 0; at < record.text_length && position < after;) {
    const DecodedCharacter character = decode_character(text + at, record.text_length - at);
    const std::uint32_t columns = chart_width(character.code_point, character.length);
    if (position >= first && position + columns <= after) {
      put(character.code_point);
      shown += display_width(character.code_point, ambiguous_wide);
    }
    position += columns;
    at += character.length;
  }
  return shown;
}

void put_code_point(char32_t code_point) {
  char* to = chart_bytes_room(4);
  chart_bytes_added(encode_utf8(code_point, to));
}

void put_ascii(const char* text, std::size_t length) {
  std::memcpy(chart_bytes_room(length), text, length);
  chart_bytes_added(length);
}

bool view_chosen() { return ws.run.view.format != ChartFormat::kShiftJis; }

// Warnings arrive in the order of the run: reading first, then the build,
// each in source-line order; an insertion keeps the whole list in order.
void note_view_warning(const Message& message) {
  ViewPart& view = ws.view;
  if (view.warning_count == kViewWarningCapacity) {
    ++view.warnings_not_kept;
    return;
  }
  std::uint32_t at = view.warning_count;
  while (at > 0 && view.warnings[at - 1].source_line > message.source_line) {
    view.warnings[at] = view.warnings[at - 1];
    --at;
  }
  ViewWarning& warning = view.warnings[at];
  warning.source_line = message.source_line;
  warning.title = message.title;
  std::strncpy(warning.reason, message.reason, kReasonCapacity - 1);
  warning.reason[kReasonCapacity - 1] = '\0';
  ++view.warning_count;
}

void prepare_view() { decide_source_encoding(); }

void begin_view() {
  if (ws.run.view.format == ChartFormat::kHtml) begin_html_view();
}

void end_view() {
  if (ws.run.view.format == ChartFormat::kHtml) end_html_view();
}

void write_view_line(std::uint32_t row, const char* line) {
  if (ws.run.view.format == ChartFormat::kHtml) {
    write_html_view_line(row, line);
  } else {
    write_text_view_line(line);
  }
}
