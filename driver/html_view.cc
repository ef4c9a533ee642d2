// The HTML view: one self-contained page, UTF-8, readable without scripts.
//
// Every glyph stands in its own element, placed by its chart column on a
// fixed grid (one class per column), so no glyph's place depends on the font;
// the lines of the box glyphs are drawn by the style sheet across the whole
// cell, so they join from cell to cell and row to row.  Statement texts are
// plain selectable text; glyphs and line numbers are left out of a
// selection, so copying rows copies their statements.  Every character that
// comes from the source or its name is escaped, and the page's security
// policy allows no script, no request and no other document at all.
#include <cstdint>
#include <cstring>

#include "chart/chart_model.h"
#include "driver/edition.h"
#include "driver/view_pieces.h"

namespace {

// ---- Writing ----------------------------------------------------------------------------

void put(const char* text) { put_ascii(text, std::strlen(text)); }

char* put_decimal(char* to, std::uint32_t number) {
  char digits[10];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + number % 10);
    number /= 10;
  } while (number != 0);
  while (count > 0) *to++ = digits[--count];
  return to;
}

void put_number(std::uint32_t number) {
  char* to = chart_bytes_room(10);
  chart_bytes_added(static_cast<std::size_t>(put_decimal(to, number) - to));
}

// A character of the source (or of its name) as page text.
void put_escaped(char32_t code_point) {
  char* to = chart_bytes_room(8);
  chart_bytes_added(static_cast<std::size_t>(put_html_character(to, code_point) - to));
}

void put_escaped_text(const char* text, std::size_t length) {
  for (std::size_t at = 0; at < length;) {
    const DecodedCharacter character = decode_character(text + at, length - at);
    put_escaped(character.code_point);
    at += character.length;
  }
}

// Text that is UTF-8 whatever the source is (a path, a reason).
void put_escaped_utf8(const char* text) {
  const std::size_t length = std::strlen(text);
  for (std::size_t at = 0; at < length;) {
    const DecodedCharacter character = decode_utf8_character(text + at, length - at);
    put_escaped(character.code_point);
    at += character.length;
  }
}

// ---- The head -----------------------------------------------------------------------------

constexpr const char* kPolicy =
    "default-src 'none'; script-src 'none'; style-src 'unsafe-inline'; img-src 'none'; "
    "base-uri 'none'; form-action 'none'";

// The grid: --w one column, --h one row, --g the gutter of line numbers.
constexpr const char* kStyle = R"css(
:root{--w:0.6rem;--h:1.25rem;--g:4.5rem;--ink:#111;--paper:#fff;--line:#333}
body{margin:1rem;font:14px/1.4 sans-serif;color:var(--ink);background:var(--paper)}
h1{font-size:1.2rem;margin:0 0 .5rem}h2{font-size:1rem;margin:.8rem 0 .3rem}
nav ol,.warnings ul{margin:0;padding-left:1.5rem;columns:3 14rem}
.legend span{display:inline-block;margin:0 .8rem .3rem 0;padding:0 .3rem}
.chart{font-family:monospace;font-size:1rem;margin-top:1rem;line-height:var(--h);min-width:calc(var(--g) + 506*var(--w))}
main p{position:relative;height:var(--h);margin:0;white-space:pre}
main p:target{background:#ffe9a8}
main p>*,.k>i{position:absolute;top:0;height:var(--h)}
main u{left:0;width:calc(var(--g) - 1rem);text-align:right;color:#777;user-select:none;text-decoration:none}
.w u{color:#b00000;font-weight:bold}
i{font-style:normal;width:calc(2*var(--w));text-align:center;overflow:visible;user-select:none}
main span{white-space:pre}
.why{white-space:nowrap;color:#b00000;font-family:sans-serif;font-size:.85rem;padding-left:1rem}
.why::before{content:"\26A0  "}
i[class^=h],i[class^=v],i[class^=q],i[class^=j],i[class^=l],i[class^=f],i[class^=e],i[class^=s]{color:transparent}
i[class^=h]::before,i[class^=a]::before,i[class^=q]::before,i[class^=j]::before,i[class^=e]::before,i[class^=l]::before,i[class^=f]::before,i[class^=s]::before,i[class^=v]::after,i[class^=u]::after,i[class^=e]::after,i[class^=s]::after,i[class^=j]::after,i[class^=l]::after,i[class^=q]::after,i[class^=f]::after
{content:"";position:absolute;border:0 solid var(--line);z-index:-1}
i[class^=h]::before,i[class^=a]::before{left:0;width:100%;top:50%;border-top-width:1.5px}
i[class^=q]::before,i[class^=j]::before,i[class^=e]::before{left:0;width:50%;top:50%;border-top-width:1.5px}
i[class^=l]::before,i[class^=f]::before,i[class^=s]::before{left:50%;width:50%;top:50%;border-top-width:1.5px}
i[class^=v]::after,i[class^=u]::after,i[class^=e]::after,i[class^=s]::after{left:50%;top:0;height:100%;border-left-width:1.5px}
i[class^=j]::after,i[class^=l]::after{left:50%;top:0;height:50%;border-left-width:1.5px}
i[class^=q]::after,i[class^=f]::after{left:50%;top:50%;height:50%;border-left-width:1.5px}
.k{position:absolute;top:0;height:var(--h);width:calc(6*var(--w));box-sizing:border-box;border:0 solid}
.k>i:nth-child(1){left:0}.k>i:nth-child(2){left:calc(2*var(--w))}.k>i:nth-child(3){left:calc(4*var(--w))}
.dec{color:#0b4f9c;border-width:0 0 2px;border-style:dashed}
.loop{color:#1b6e20;border-width:0 0 4px;border-style:double}
.call{color:#6a1b9a;border-width:0 0 2px;border-style:dotted}
.io{color:#a14d00;border-width:2px 0;border-style:solid}
.ret{color:#b00000;border-width:0 0 0 4px;border-style:solid;font-weight:bold}
.asg{color:#444;border-width:1px;border-style:solid;border-radius:.6rem}
@media print{
 :root{--ink:#000;--line:#000}
 body{margin:0;font-size:10pt}
 nav,.legend{break-after:page}
 .r:target{background:none}
 .dec,.loop,.call,.io,.ret,.asg{color:#000}
 .chart{font-size:9pt}
}
)css";

// The column classes: cN stands N chart columns right of the gutter; a box
// glyph or arrow at column N has the one class of its stroke's letter and N
// (see glyph_stroke), which places it and draws it.
constexpr char kClassLetters[] = "chvqjlfesau";

void put_column_rules() {
  for (std::uint32_t column = 0; column < kChartLineWidth; ++column) {
    for (std::size_t letter = 0; letter + 1 < sizeof kClassLetters; ++letter) {
      put(letter > 0 ? ",." : ".");
      put_ascii(&kClassLetters[letter], 1);
      put_number(column);
    }
    put("{left:calc(var(--g) + ");
    put_number(column);
    put("*var(--w))}\n");
  }
}

void put_source_name() {
  const char* path = ws.run.input_path;
  if (std::strcmp(path, "-") == 0) {
    put("standard input");
    return;
  }
  const char* name = std::strrchr(path, '/');
  put_escaped_utf8(name != nullptr && name[1] != '\0' ? name + 1 : path);
}

// ---- Units and warnings ------------------------------------------------------------------

// Rows are built in statement order, so their source lines never decrease:
// the first row of a line is found by halving.
std::uint32_t first_row_of_line(std::uint32_t line) {
  std::uint32_t low = 0;
  std::uint32_t high = ws.building.chart_row_count;
  while (low < high) {
    const std::uint32_t middle = low + (high - low) / 2;
    if (ws.building.row_source_lines[middle] < line) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low < ws.building.chart_row_count && ws.building.row_source_lines[low] == line ? low : kNoRecord;
}

void put_row_link(std::uint32_t row) {
  put("<a href=\"#r");
  put_number(row);
  put("\">");
}

void put_statement_of_row(std::uint32_t row) {
  const std::uint32_t record_index = row_statement(row);
  if (record_index == kNoRecord) return;
  const StatementRecord& record = ws.records.statement_table[record_index];
  put_escaped_text(statement_text(record), record.text_length);
}

void put_units_panel() {
  put("<nav aria-label=\"Program units\"><h2>Program units</h2><ol>\n");
  for (std::uint32_t row = 0; row < ws.building.chart_row_count; ++row) {
    if (!row_opens_unit(row)) continue;
    put("<li>");
    put_row_link(row);
    put_statement_of_row(row);
    put("</a> <small>line ");
    put_number(ws.building.row_source_lines[row]);
    put("</small></li>\n");
  }
  put("</ol></nav>\n");
}

void put_warning_text(const ViewWarning& warning) {
  put_escaped_utf8(warning.title);
  put(": ");
  put_escaped_utf8(warning.reason);
}

void put_warnings_panel() {
  if (ws.view.warning_count == 0 && ws.view.warnings_not_kept == 0) return;
  put("<section class=\"warnings\"><h2>Warnings</h2><ul>\n");
  for (std::uint32_t i = 0; i < ws.view.warning_count; ++i) {
    ViewWarning& warning = ws.view.warnings[i];
    warning.row = warning.source_line == kNoSourceLine ? kNoRecord : first_row_of_line(warning.source_line);
    put("<li>");
    if (warning.row != kNoRecord) put_row_link(warning.row);
    if (warning.source_line != kNoSourceLine) {
      put("line ");
      put_number(warning.source_line);
      put(warning.row != kNoRecord ? "</a>: " : ": ");
    }
    put_warning_text(warning);
    put("</li>\n");
  }
  if (ws.view.warnings_not_kept > 0) {
    put("<li>");
    put_number(ws.view.warnings_not_kept);
    put(" more warnings</li>\n");
  }
  put("</ul></section>\n");
}

void put_legend() {
  put("<section class=\"legend\"><h2>Captions</h2>");
  put("<span class=\"dec\">decision (dashed)</span><span class=\"loop\">loop (double)</span>"
      "<span class=\"call\">call (dotted)</span><span class=\"io\">input/output (framed)</span>"
      "<span class=\"ret\">return, jump, stop (bar)</span><span class=\"asg\">assignment (rounded)</span>"
      "</section>\n");
}

// ---- Rows ----------------------------------------------------------------------------------
//
// Rows are most of the page, so they are written straight into the writer's
// buffer, each piece into room asked for beforehand.

// Room for the markup of one glyph element, or of one caption's three.
constexpr std::size_t kGlyphRoom = 64;
constexpr std::size_t kCaptionRoom = 3 * kGlyphRoom + 64;

// The role of a caption by its first two characters, or null.
const char* caption_role(char32_t mark, char32_t word) {
  switch (mark) {
    case U'◇':
      return "dec";
    case U'◎':
      return word == U'繰' ? "loop" : word == U'呼' ? "call" : "dec";
    case U'□':
    case U'■':
      return "io";
    case U'△':
    case U'▲':
      return "ret";
    case U'○':
      return "asg";
    default:
      return nullptr;
  }
}

// The letter of the class that draws a glyph's strokes: box glyphs hide
// their own glyph behind them, arrows keep it over a stroke that joins their
// run; 'c' for other glyphs, which are drawn by the font alone.
char glyph_stroke(char32_t glyph) {
  switch (glyph) {
    case U'─':
      return 'h';
    case U'│':
      return 'v';
    case U'┐':
      return 'q';
    case U'┘':
      return 'j';
    case U'└':
      return 'l';
    case U'┌':
      return 'f';
    case U'┤':
      return 'e';
    case U'├':
      return 's';
    case U'←':
      return 'a';
    case U'↑':
      return 'u';
    default:
      return 'c';
  }
}

char* put_text(char* to, const char* text) {
  const std::size_t length = std::strlen(text);
  std::memcpy(to, text, length);
  return to + length;
}

// "cN" (or another letter's) for column N, from the table begin_html_view fills.
char* put_column_class(char* to, std::uint32_t column, char letter = 'c') {
  *to++ = letter;
  std::memcpy(to, ws.view.column_digits[column], 4);
  return to + ws.view.column_digit_counts[column];
}

void fill_column_digits() {
  for (std::uint32_t column = 0; column < kChartLineWidth; ++column) {
    char* end = put_decimal(ws.view.column_digits[column], column);
    ws.view.column_digit_counts[column] = static_cast<std::uint8_t>(end - ws.view.column_digits[column]);
  }
}

char* put_glyph(char* to, std::uint32_t column, char32_t glyph) {
  to = put_literal(to, "<i class=");
  to = put_column_class(to, column, glyph_stroke(glyph));
  to = put_literal(to, ">");
  to = put_utf8(to, glyph);
  return put_literal(to, "</i>");
}

bool is_glyph_at(const char* line, std::uint32_t column, std::uint32_t end) {
  return column + 1 < end && line_piece(line, column, end).kind == PieceKind::kGlyph;
}

// A caption: a mark and two kanji, each two columns.  Returns its role, or
// null when the glyph at `column` starts none.
const char* caption_at(const char* line, std::uint32_t column, std::uint32_t end, char32_t mark) {
  if (mark < 0x25A0 || mark > 0x25FF) return nullptr;  // every mark is a geometric shape, no box glyph
  if (!is_glyph_at(line, column + 2, end) || !is_glyph_at(line, column + 4, end)) return nullptr;
  const char32_t word = line_piece(line, column + 2, end).code_point;
  if (word < 0x4E00 || word > 0x9FFF) return nullptr;  // kana (開く, 閉じ) follow a kanji
  return caption_role(mark, word);
}

char* put_caption(char* to, const char* line, std::uint32_t column, std::uint32_t end, const char* role) {
  to = put_literal(to, "<b class=\"k ");
  to = put_text(to, role);
  to = put_literal(to, " ");
  to = put_column_class(to, column);
  to = put_literal(to, "\">");
  for (std::uint32_t at = column; at < column + 6; at += 2) {
    to = put_literal(to, "<i>");
    to = put_utf8(to, line_piece(line, at, end).code_point);
    to = put_literal(to, "</i>");
  }
  return put_literal(to, "</b>");
}

void put_chart_pieces(const char* line) {
  const std::uint32_t end = line_length();
  for (std::uint32_t column = 0; column < end;) {
    const LinePiece piece = line_piece(line, column, end);
    switch (piece.kind) {
      case PieceKind::kText: {
        char* const start = chart_bytes_room(text_piece_room(piece) + 64);
        char* to = put_literal(start, "<span class=");
        to = put_column_class(to, column);
        to = put_literal(to, ">");
        std::uint32_t shown = 0;
        to = put_text_piece<true>(to, column, piece, false, shown);
        to = put_literal(to, "</span>");
        chart_bytes_added(static_cast<std::size_t>(to - start));
        break;
      }
      case PieceKind::kGlyph: {
        if (const char* role = caption_at(line, column, end, piece.code_point)) {
          char* const start = chart_bytes_room(kCaptionRoom);
          chart_bytes_added(static_cast<std::size_t>(put_caption(start, line, column, end, role) - start));
          column += 6;
          continue;
        }
        [[fallthrough]];
      }
      case PieceKind::kStray: {
        char* const start = chart_bytes_room(kGlyphRoom);
        chart_bytes_added(static_cast<std::size_t>(put_glyph(start, column, piece.code_point) - start));
        break;
      }
      case PieceKind::kBlank:
        break;
    }
    column += piece.length;
  }
}

std::uint32_t next_warning = 0;  // the first warning whose row is not yet written

bool row_has_warning(std::uint32_t row) {
  // Warnings of lines that drew no row are in the list, not on a row.
  while (next_warning < ws.view.warning_count &&
         (ws.view.warnings[next_warning].row < row || ws.view.warnings[next_warning].row == kNoRecord)) {
    ++next_warning;
  }
  return next_warning < ws.view.warning_count && ws.view.warnings[next_warning].row == row;
}

void put_row_warnings(std::uint32_t row) {
  put("<span class=\"why\">");
  bool first = true;
  for (; next_warning < ws.view.warning_count && ws.view.warnings[next_warning].row == row; ++next_warning) {
    if (!first) put("; ");
    put_warning_text(ws.view.warnings[next_warning]);
    first = false;
  }
  put("</span>");
}

}  // namespace

void begin_html_view() {
  next_warning = 0;
  fill_column_digits();
  put("<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta http-equiv=\"Content-Security-Policy\" content=\"");
  put(kPolicy);
  put("\">\n<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>");
  put_source_name();
  put(" \xE2\x80\x94 flowchart</title>\n<style>");
  put(kStyle);
  put_column_rules();
  put(".why{left:calc(var(--g) + 506*var(--w))}\n</style>\n</head>\n<body>\n<header><h1>");
  put_source_name();
  put("</h1><p>Flowchart, ");
  put(kEditionName);
  put(" edition: ");
  put_number(ws.building.chart_row_count);
  put(" rows; source read as ");
  put(ws.decoding.text_is_utf8 ? "UTF-8" : "Shift-JIS (CP932)");
  put(".</p></header>\n");
  put_units_panel();
  put_warnings_panel();
  put_legend();
  put("<main class=\"chart\" id=\"chart\">\n");
}

void write_html_view_line(std::uint32_t row, const char* line) {
  const bool warned = row_has_warning(row);
  const bool unit = row_opens_unit(row);
  char* const start = chart_bytes_room(96);
  char* to = put_literal(start, "<p");
  if (unit || warned) {
    to = put_text(to, unit ? (warned ? " class=\"unit w\"" : " class=\"unit\"") : " class=\"w\"");
    to = put_literal(to, " id=\"r");
    to = put_decimal(to, row);
    to = put_literal(to, "\"");
  }
  to = put_literal(to, "><u>");
  to = put_decimal(to, ws.building.row_source_lines[row]);
  to = put_literal(to, "</u>");
  chart_bytes_added(static_cast<std::size_t>(to - start));
  put_chart_pieces(line);
  if (warned) put_row_warnings(row);
  put_ascii("</p>\n", 5);
}

void end_html_view() { put("</main>\n</body>\n</html>\n"); }
