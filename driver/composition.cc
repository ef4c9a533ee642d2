// Chart composition and output.
//
// Five passes over the chart rows: row widths, bracket columns, cell text,
// connectors, output.  Brackets are placed from the deepest level outwards,
// and a bracket top's row is widened to its bracket's column, so every
// enclosing bracket stands at least two columns right of the brackets nested
// in it.  See note [open-brackets] for rows that meet a bracket level where
// no bracket is open.
#include "driver/composition.h"

#include <cstring>

#include "chart/chart_model.h"
#include "chart/glyphs.h"
#include "driver/chart_writer.h"
#include "driver/messages.h"
#include "driver/workspace.h"

// [open-brackets]
// Chart construction delivers balanced brackets for balanced source, but
// unbalanced structure can leave a row with a pass, branch or bottom at a
// level where no bracket has been opened (no top since the last bottom).
// Such a row draws nothing at that level: drawn at the unset column 0 its
// glyph would overwrite the row's own text and cut the line.  At level 1 it
// ends two columns after the rightmost connector glyph it got at a deeper
// level, or right after its cells.  A top with no bottom below it starts its
// run at its own width, so its cells are never overwritten either.  Balanced
// charts draw exactly the same bytes with or without these rules.

namespace {

// Connector glyphs, Shift-JIS.
constexpr const char* kGlyphVertical = "\x84\xA0";    // "│"
constexpr const char* kGlyphTop = "\x84\xA2";         // "┐"
constexpr const char* kGlyphBranch = "\x84\xA7";      // "┤"
constexpr const char* kGlyphBottom = "\x84\xA3";      // "┘"
constexpr const char* kGlyphHorizontal = "\x84\x9F";  // "─"
constexpr const char* kGlyphArrow = "\x81\xA9";       // "←"

constexpr std::uint32_t kNoGlyph = 0xFFFFFFFF;

std::uint32_t drawn_cell_count(const ChartRow& row) {
  return row.cell_count < kCellsPerRow ? row.cell_count : kCellsPerRow;
}

std::uint32_t level_kind(const ConnectorRecord& connectors, std::uint32_t level) {
  return connectors.levels[level - 1].cell_value;
}

bool is_comment_row(const ChartRow& row) { return row.row_marker == 'C'; }

// ---- Pass 1: row widths ---------------------------------------------------------

void measure_rows() {
  for (std::uint32_t r = 0; r < ws.chart_row_count; ++r) {
    ChartRow& row = ws.chart_rows[r];
    std::uint32_t width = 0;
    for (std::uint32_t i = 0; i < drawn_cell_count(row); ++i) width += row.cells[i].cell_width;
    row.row_width = width;
    if (width > kMaxChartColumns) show_fatal(kTextLineTooWide, kTitleSorry);
  }
}

// ---- Pass 2: bracket columns ------------------------------------------------------

// Scanning upwards from a bracket's bottom to its top, the bracket's column
// clears every row between them.
void place_brackets_at_level(std::uint32_t level) {
  std::uint32_t running_max = 0;
  std::uint32_t start_column = 0;
  bool bottom_seen = false;
  for (std::uint32_t r = ws.chart_row_count; r-- > 0;) {
    ChartRow& row = ws.chart_rows[r];
    if (is_comment_row(row)) continue;
    ConnectorRecord& connectors = ws.connector_rows[r];
    const bool at_level = connectors.connector_depth == level;
    if (at_level && level_kind(connectors, level) == kConnectorBottom) {
      start_column = row.row_width;
      running_max = row.row_width + 2;
      bottom_seen = true;
      continue;
    }
    const std::uint32_t clearing = (row.row_width + 3) & ~1u;
    if (clearing > running_max) running_max = clearing;
    if (at_level && level_kind(connectors, level) == kConnectorTop) {
      connectors.bracket_start_column = bottom_seen ? start_column : row.row_width;
      connectors.bracket_end_column = running_max;
      row.row_width = running_max;
      if (running_max > kMaxChartColumns) show_fatal(kTextLineTooWide, kTitleExcuse);
      running_max = 0;
      start_column = 0;
      bottom_seen = false;
    }
  }
}

void place_brackets() {
  for (std::uint32_t level = kConnectorLevels; level >= 1; --level) place_brackets_at_level(level);
}

// ---- Pass 3: cell text ------------------------------------------------------------

// Copies up to `width` bytes of a statement text, as a string copy that pads
// with NULs past the text's end.
void copy_statement_text(char* to, std::uint32_t record_index, std::uint32_t width) {
  const char* text = ws.statement_table[record_index].text;
  std::uint32_t i = 0;
  for (; i < width && i < kStatementTextCapacity && text[i] != '\0'; ++i) to[i] = text[i];
  for (; i < width; ++i) to[i] = '\0';
}

void copy_glyph(char* to, const char* glyph, std::uint32_t width) { std::memcpy(to, glyph, width); }

std::uint32_t place_cell(char* text, const ChartCell& cell) {
  switch (cell.cell_kind) {
    case kCellGlyph2:
      if (cell.cell_value < kCell2Count) copy_glyph(text, cell2[cell.cell_value], 2);
      return 2;
    case kCellGlyph4:
      if (cell.cell_value < kCell4Count) copy_glyph(text, cell4[cell.cell_value], 4);
      return 4;
    case kCellGlyph6:
      if (cell.cell_value < kKindSymbolCount) copy_glyph(text, kind_symbol[cell.cell_value], 6);
      return 6;
    default:
      if (cell.cell_width > 0 && cell.cell_value <= kStatementCapacity) {
        copy_statement_text(text, cell.cell_value, cell.cell_width);
      }
      return cell.cell_width;
  }
}

void end_line_at(char* text, std::uint32_t column) {
  text[column] = '\n';
  text[column + 1] = '\0';
}

void compose_cells() {
  for (std::uint32_t r = 0; r < ws.chart_row_count; ++r) {
    const ChartRow& row = ws.chart_rows[r];
    char* text = ws.text_rows[r];
    std::memset(text, ' ', kMaxChartColumns);
    std::uint32_t column = 0;
    for (std::uint32_t i = 0; i < drawn_cell_count(row); ++i) column += place_cell(text + column, row.cells[i]);
    if (is_comment_row(row) || ws.connector_rows[r].connector_depth == 0) end_line_at(text, row.row_width);
  }
}

// ---- Pass 4: connectors -----------------------------------------------------------

struct BracketLevel {
  std::uint32_t start_column;
  std::uint32_t end_column;
  bool open;
};

struct RowDrawing {
  char* text;
  std::uint32_t rightmost;  // column of the rightmost glyph drawn, or kNoGlyph
  std::uint32_t last;       // column of the glyph drawn last
  bool drawn_at_level;
};

void draw(RowDrawing& drawing, std::uint32_t column, const char* glyph) {
  std::memcpy(drawing.text + column, glyph, 2);
  if (drawing.rightmost == kNoGlyph || column > drawing.rightmost) drawing.rightmost = column;
  drawing.last = column;
  drawing.drawn_at_level = true;
}

void draw_run(RowDrawing& drawing, const BracketLevel& bracket, const char* glyph) {
  for (std::uint32_t column = bracket.start_column; column < bracket.end_column; column += 2) {
    draw(drawing, column, glyph);
  }
}

void draw_level(RowDrawing& drawing, BracketLevel& bracket, const ConnectorRecord& connectors,
                std::uint32_t level) {
  if (connectors.connector_depth > level) {
    if (bracket.open) draw(drawing, bracket.end_column, kGlyphVertical);
    return;
  }
  switch (level_kind(connectors, level)) {
    case kConnectorTop:
      bracket.start_column = connectors.bracket_start_column;
      bracket.end_column = connectors.bracket_end_column;
      bracket.open = true;
      draw_run(drawing, bracket, kGlyphHorizontal);
      draw(drawing, bracket.end_column, kGlyphTop);
      break;
    case kConnectorBranch:
      if (!bracket.open) break;
      draw_run(drawing, bracket, kGlyphHorizontal);
      draw(drawing, bracket.end_column, kGlyphBranch);
      break;
    case kConnectorBottom:
      if (bracket.open) {
        draw_run(drawing, bracket, kGlyphArrow);
        draw(drawing, bracket.end_column, kGlyphBottom);
      }
      bracket = BracketLevel{0, 0, false};
      break;
    default:
      if (bracket.open) draw(drawing, bracket.end_column, kGlyphVertical);
      break;
  }
}

void draw_connectors() {
  BracketLevel brackets[kConnectorLevels + 1] = {};
  for (std::uint32_t r = 0; r < ws.chart_row_count; ++r) {
    const ChartRow& row = ws.chart_rows[r];
    const ConnectorRecord& connectors = ws.connector_rows[r];
    if (is_comment_row(row) || connectors.connector_depth == 0) continue;
    RowDrawing drawing{ws.text_rows[r], kNoGlyph, 0, false};
    for (std::uint32_t level = kConnectorLevels; level >= 1; --level) {
      if (connectors.connector_depth < level) continue;
      drawing.drawn_at_level = false;
      draw_level(drawing, brackets[level], connectors, level);
    }
    // The row ends after its level-1 glyph (see note [open-brackets]).
    if (drawing.drawn_at_level) {
      end_line_at(drawing.text, drawing.last + 2);
    } else if (drawing.rightmost != kNoGlyph) {
      end_line_at(drawing.text, drawing.rightmost + 2);
    } else {
      end_line_at(drawing.text, row.row_width);
    }
  }
}

// ---- Pass 5: output -----------------------------------------------------------

void write_rows() {
  for (std::uint32_t r = 0; r < ws.chart_row_count; ++r) write_chart_text(ws.text_rows[r]);
}

}  // namespace

void compose_and_write_chart() {
  measure_rows();
  place_brackets();
  compose_cells();
  draw_connectors();
  write_rows();
}
