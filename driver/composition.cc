// Chart composition and output.
//
// Row widths, bracket columns, then each row's line: its cells, its
// connector glyphs, written out before the next line is composed.  Brackets
// are placed from the deepest level outwards, and a bracket top's row is
// widened to its bracket's column, so every enclosing bracket stands at least
// two columns right of the brackets nested in it.  Every check that can end
// the run comes before the first line is written.  See note [open-brackets]
// for rows that meet a bracket level where no bracket is open.
#include "driver/composition.h"

#include <cstring>

#include "chart/chart_model.h"
#include "chart/glyphs.h"
#include "classify/statement_records.h"
#include "driver/chart_writer.h"
#include "driver/messages.h"
#include "driver/view_writer.h"
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

// [plain-lines]
// The text writer cuts a line at its first NUL and turns each line feed in
// it into CR LF; a line with neither stays in the output buffer where it was
// composed.  Almost no line holds either, and searching each line for them took
// 3 % of a large source's run, so composition notes where one can arise:
// a statement text that may hold one (text_may_break, set when the record
// is appended), a text cell wider than its text (padded with NULs), and a
// line filled past the blank field.  The glyph tables hold neither byte (a
// test checks every entry).  Only a line with such a note is searched.

namespace {

// The connector glyphs, from cell2.
const char* const kDrawVertical = cell2[kGlyphVertical];      // "│"
const char* const kDrawTop = cell2[kGlyphCornerTop];          // "┐"
const char* const kDrawBranch = cell2[kGlyphTeeLeft];         // "┤"
const char* const kDrawBottom = cell2[kGlyphCornerBottom];    // "┘"
const char* const kDrawHorizontal = cell2[kGlyphHorizontal];  // "─"
const char* const kDrawArrow = cell2[kGlyphArrowLeft];        // "←"

constexpr std::uint32_t kNoGlyph = 0xFFFFFFFF;

std::uint32_t drawn_cell_count(std::uint32_t r) {
  return ws.building.row_cell_counts[r] < kCellsPerRow ? ws.building.row_cell_counts[r] : kCellsPerRow;
}

bool is_comment_row(std::uint32_t r) { return ws.building.row_markers[r] == kMarkerComment; }

// A view is written: the line's statement texts are left blank and noted as
// spans of the line, for the view to decode; a glyph drawn over a span
// clears its columns.  A view measures a text by its columns (see
// text_chart_columns), which for a UTF-8 source are fewer than its bytes;
// a CP932 text takes as many columns as it has bytes, as in the chart.
bool marking_text = false;

void measure_texts_for_view(std::uint32_t r) {
  for (std::uint32_t i = 0; i < drawn_cell_count(r); ++i) {
    StoredCell& cell = ws.building.stored_cells[ws.building.row_cell_starts[r] + i];
    const bool text = cell.cell_kind != kCellGlyph2 && cell.cell_kind != kCellGlyph4 && cell.cell_kind != kCellGlyph6;
    if (!text || cell.cell_width == 0 || cell.cell_value >= ws.records.stmt_count) continue;
    const StatementRecord& record = ws.records.statement_table[cell.cell_value];
    const std::uint32_t length = record.text_length < cell.cell_width ? record.text_length : cell.cell_width;
    cell.cell_width = static_cast<std::uint16_t>(text_chart_columns(statement_text(record), length));
  }
}

// ---- Row widths -------------------------------------------------------------------

// The column a bracket must reach to pass a row of this width on its right.
std::uint32_t clearing_column(std::uint32_t width) { return (width + 3) & ~1u; }

// Returns the deepest connector level any row reaches.
std::uint32_t measure_rows() {
  std::uint32_t deepest = 0;
  for (std::uint32_t r = 0; r < ws.building.chart_row_count; ++r) {
    if (marking_text && ws.decoding.text_is_utf8) measure_texts_for_view(r);
    // The count and the cells are read once: a store into the row widths
    // could, as far as the compiler knows, change them.
    const StoredCell* const cells = &stored_cell(r, 0);
    const std::uint32_t count = drawn_cell_count(r);
    std::uint32_t width = 0;
    for (std::uint32_t i = 0; i < count; ++i) width += cells[i].cell_width;
    ws.composition.row_widths[r] = width;
    ws.composition.row_clearings[r] = is_comment_row(r) ? 0 : clearing_column(width);
    if (width > kMaxChartColumns) {
      show_fatal(kTextLineTooWide, kTitleSorry, ws.building.row_source_lines[r],
                 reason_with_number("a chart row would be ", width, " columns wide, more than 502"));
    }
    if (ws.building.connector_depths[r] > deepest) deepest = ws.building.connector_depths[r];
  }
  return deepest < kConnectorLevels ? deepest : kConnectorLevels;
}

// ---- Bracket columns --------------------------------------------------------------

// Lists the rows that end at each level (their connector depth), in row
// order, so each level's bracket pass visits only its own rows.  Comment rows
// draw no connectors and are listed nowhere.
void list_rows_by_level() {
  std::uint32_t* const starts = ws.composition.level_row_starts;
  for (std::uint32_t level = 0; level <= kConnectorLevels + 1; ++level) starts[level] = 0;
  for (std::uint32_t r = 0; r < ws.building.chart_row_count; ++r) {
    const std::uint32_t depth = ws.building.connector_depths[r];
    if (!is_comment_row(r) && depth >= 1 && depth <= kConnectorLevels) ++starts[depth + 1];
  }
  for (std::uint32_t level = 1; level <= kConnectorLevels; ++level) starts[level + 1] += starts[level];
  for (std::uint32_t r = 0; r < ws.building.chart_row_count; ++r) {
    const std::uint32_t depth = ws.building.connector_depths[r];
    if (!is_comment_row(r) && depth >= 1 && depth <= kConnectorLevels) ws.composition.level_rows[starts[depth]++] = r;
  }
  // Each level's start moved to the next level's start; move them back.
  for (std::uint32_t level = kConnectorLevels + 1; level >= 1; --level) starts[level] = starts[level - 1];
  starts[0] = 0;
}

// The widest clearing column of the rows from `first` up to `end` (a comment
// row's is 0: brackets pass over comments).
std::uint32_t widest_clearing(std::uint32_t first, std::uint32_t end) {
  std::uint32_t widest = 0;
  for (std::uint32_t r = first; r < end; ++r) {
    if (ws.composition.row_clearings[r] > widest) widest = ws.composition.row_clearings[r];
  }
  return widest;
}

// Scanning upwards from a bracket's bottom to its top, the bracket's column
// clears every row between them.  The rows between two rows of the level only
// widen the running column, so they are taken as one range.
void place_brackets_at_level(std::uint32_t level) {
  std::uint32_t running_max = 0;
  std::uint32_t start_column = 0;
  bool bottom_seen = false;
  std::uint32_t passed = ws.building.chart_row_count;  // rows from here down are behind the scan
  const std::uint32_t first = ws.composition.level_row_starts[level];
  for (std::uint32_t i = ws.composition.level_row_starts[level + 1]; i-- > first;) {
    const std::uint32_t r = ws.composition.level_rows[i];
    const std::uint32_t between = widest_clearing(r + 1, passed);
    if (between > running_max) running_max = between;
    passed = r;
    const std::uint32_t width = ws.composition.row_widths[r];
    const std::uint32_t kind = stored_connector_kind(r, level);
    if (kind == kConnectorBottom) {
      start_column = width;
      running_max = width + 2;
      bottom_seen = true;
      continue;
    }
    if (ws.composition.row_clearings[r] > running_max) running_max = ws.composition.row_clearings[r];
    if (kind == kConnectorTop) {
      ws.composition.bracket_start_columns[r] = bottom_seen ? start_column : width;
      ws.composition.bracket_end_columns[r] = running_max;
      ws.composition.row_widths[r] = running_max;
      ws.composition.row_clearings[r] = clearing_column(running_max);
      if (running_max > kMaxChartColumns) {
        show_fatal(kTextLineTooWide, kTitleExcuse, ws.building.row_source_lines[r],
                   reason_with_number("a bracket line would stand in column ", running_max, ", beyond 502"));
      }
      running_max = 0;
      start_column = 0;
      bottom_seen = false;
    }
  }
}

// Levels no row reaches hold no bracket.
void place_brackets(std::uint32_t deepest) {
  list_rows_by_level();
  for (std::uint32_t level = deepest; level >= 1; --level) place_brackets_at_level(level);
}

// ---- Cell text --------------------------------------------------------------------

// Copies up to `width` bytes of a statement text, as a string copy that pads
// with NULs past the text's end.  Returns whether the bytes copied may hold
// a NUL or a line feed (see note [plain-lines]).
bool copy_statement_text(char* to, std::uint32_t record_index, std::uint32_t width) {
  const StatementRecord& record = ws.records.statement_table[record_index];
  const std::uint32_t length = record.text_length < width ? record.text_length : width;
  std::memcpy(to, statement_text(record), length);
  if (length < width) {
    std::memset(to + length, '\0', width - length);
    return true;
  }
  return record.text_may_break;
}

// A glyph cell whose value names no entry of its table draws blanks.
void copy_glyph(char* to, const char* table, std::uint32_t stride, std::uint32_t entries, std::uint32_t value,
                std::uint32_t width) {
  if (value < entries) {
    std::memcpy(to, table + value * stride, width);
  } else {
    std::memset(to, ' ', width);
  }
}

void place_text_span(char* at, std::uint32_t record_index, std::uint32_t width) {
  const std::uint32_t column = static_cast<std::uint32_t>(at - ws.composition.chart_line);
  const std::uint32_t span = ws.view.span_count++;
  ws.view.span_columns[span] = column;
  ws.view.span_records[span] = record_index;
  std::memset(at, ' ', width);
  std::memset(ws.view.text_mask + column, static_cast<int>(span + 1), width);
  ws.view.marked_end = column + width;
}

// The line being composed: its bytes up to `filled` are set.  A line is a
// blank field of 502 columns with the cells and glyphs written over it; the
// bytes past the field hold nothing until a glyph is drawn there.  Only the
// columns a line reaches are ever filled.  `may_break`: the line may hold a
// NUL or a line feed before its end (see note [plain-lines]).
struct Line {
  char* text;
  std::uint32_t filled;
  bool may_break;
};

std::uint32_t place_cell(Line& line, const StoredCell& cell) {
  char* const text = line.text + line.filled;
  switch (cell.cell_kind) {
    case kCellGlyph2:
      copy_glyph(text, cell2[0], sizeof cell2[0], kCell2Count, cell.cell_value, 2);
      return 2;
    case kCellGlyph4:
      copy_glyph(text, cell4[0], sizeof cell4[0], kCell4Count, cell.cell_value, 4);
      return 4;
    case kCellGlyph6:
      copy_glyph(text, kind_symbol[0].data(), sizeof kind_symbol[0], kKindSymbolCount, cell.cell_value, 6);
      return 6;
    default:
      // An empty cell may hold a value (a caption written into the start
      // cell) but has no width: it draws nothing and reads no statement.
      if (cell.cell_width == 0) return 0;
      if (cell.cell_value < ws.records.stmt_count) {
        if (marking_text) {
          place_text_span(text, cell.cell_value, cell.cell_width);
        } else if (copy_statement_text(text, cell.cell_value, cell.cell_width)) {
          line.may_break = true;
        }
      } else {
        std::memset(text, ' ', cell.cell_width);
      }
      return cell.cell_width;
  }
}

void fill_to(Line& line, std::uint32_t column) {
  if (line.filled >= column) return;
  const std::uint32_t blanks_end = column < kMaxChartColumns ? column : kMaxChartColumns;
  if (line.filled < blanks_end) {
    std::memset(line.text + line.filled, ' ', blanks_end - line.filled);
    line.filled = blanks_end;
  }
  if (line.filled < column) {
    std::memset(line.text + line.filled, '\0', column - line.filled);
    line.may_break = true;
  }
  line.filled = column;
}

// Ends the line with its line feed; `filled` then counts the line feed too.
void end_line_at(Line& line, std::uint32_t column) {
  fill_to(line, column);
  if (marking_text) ws.view.line_end = column;
  line.text[column] = '\n';
  line.text[column + 1] = '\0';
  line.filled = column + 1;
}

Line compose_cells(std::uint32_t r, char* text) {
  if (marking_text) {
    // Only the columns up to the end of the last line's last span hold marks.
    std::memset(ws.view.text_mask, 0, ws.view.marked_end);
    ws.view.marked_end = 0;
    ws.view.span_count = 0;
  }
  const StoredCell* const cells = &stored_cell(r, 0);  // read once, as in measure_rows
  const std::uint32_t count = drawn_cell_count(r);
  Line line{text, 0, false};
  for (std::uint32_t i = 0; i < count; ++i) line.filled += place_cell(line, cells[i]);
  return line;
}

// ---- Connectors -------------------------------------------------------------------

// The bracket at one level, followed from its top down to its bottom.
struct BracketLevel {
  std::uint32_t start_column;
  std::uint32_t end_column;
  bool open;
};

struct RowDrawing {
  Line& line;
  std::uint32_t rightmost;  // column of the rightmost glyph drawn, or kNoGlyph
  std::uint32_t last;       // column of the glyph drawn last
  bool drawn_at_level;
};

void draw(RowDrawing& drawing, std::uint32_t column, const char* glyph) {
  fill_to(drawing.line, column + 2);
  std::memcpy(drawing.line.text + column, glyph, 2);
  if (marking_text) ws.view.text_mask[column] = ws.view.text_mask[column + 1] = 0;
  if (drawing.rightmost == kNoGlyph || column > drawing.rightmost) drawing.rightmost = column;
  drawing.last = column;
  drawing.drawn_at_level = true;
}

// A run draws the glyph at every second column from the bracket's start
// column up to its end column; the line is filled once, to the run's last
// glyph, which leaves the same bytes as drawing the glyphs one by one.
void draw_run(RowDrawing& drawing, const BracketLevel& bracket, const char* glyph) {
  if (bracket.start_column >= bracket.end_column) return;
  const std::uint32_t last = bracket.start_column + (bracket.end_column - bracket.start_column - 1) / 2 * 2;
  fill_to(drawing.line, last + 2);
  for (std::uint32_t column = bracket.start_column; column <= last; column += 2) {
    std::memcpy(drawing.line.text + column, glyph, 2);
  }
  if (marking_text) std::memset(ws.view.text_mask + bracket.start_column, 0, last + 2 - bracket.start_column);
  if (drawing.rightmost == kNoGlyph || last > drawing.rightmost) drawing.rightmost = last;
  drawing.last = last;
  drawing.drawn_at_level = true;
}

void draw_level(RowDrawing& drawing, BracketLevel& bracket, std::uint32_t r, std::uint32_t level) {
  if (ws.building.connector_depths[r] > level) {
    if (bracket.open) draw(drawing, bracket.end_column, kDrawVertical);
    return;
  }
  switch (stored_connector_kind(r, level)) {
    case kConnectorTop:
      bracket.start_column = ws.composition.bracket_start_columns[r];
      bracket.end_column = ws.composition.bracket_end_columns[r];
      bracket.open = true;
      draw_run(drawing, bracket, kDrawHorizontal);
      draw(drawing, bracket.end_column, kDrawTop);
      break;
    case kConnectorBranch:
      if (!bracket.open) break;
      draw_run(drawing, bracket, kDrawHorizontal);
      draw(drawing, bracket.end_column, kDrawBranch);
      break;
    case kConnectorBottom:
      if (bracket.open) {
        draw_run(drawing, bracket, kDrawArrow);
        draw(drawing, bracket.end_column, kDrawBottom);
      }
      bracket = BracketLevel{0, 0, false};
      break;
    default:
      if (bracket.open) draw(drawing, bracket.end_column, kDrawVertical);
      break;
  }
}

// Draws the row's connectors, deepest level first, and ends its line after
// its level-1 glyph (see note [open-brackets]).
void draw_connectors(std::uint32_t r, Line& line, BracketLevel* brackets) {
  RowDrawing drawing{line, kNoGlyph, 0, false};
  const std::uint32_t depth = ws.building.connector_depths[r];
  for (std::uint32_t level = depth < kConnectorLevels ? depth : kConnectorLevels; level >= 1; --level) {
    drawing.drawn_at_level = false;
    draw_level(drawing, brackets[level], r, level);
  }
  if (drawing.drawn_at_level) {
    end_line_at(line, drawing.last + 2);
  } else if (drawing.rightmost != kNoGlyph) {
    end_line_at(line, drawing.rightmost + 2);
  } else {
    end_line_at(line, ws.composition.row_widths[r]);
  }
}

// ---- Lines --------------------------------------------------------------------------

// A chart line is composed in the writer's buffer, where it stays unless it
// holds a NUL or a line feed; a view's line is composed in chart_line and
// rewritten by the view.
void write_lines() {
  BracketLevel brackets[kConnectorLevels + 1] = {};
  for (std::uint32_t r = 0; r < ws.building.chart_row_count; ++r) {
    char* const text = marking_text ? ws.composition.chart_line : chart_line_room();
    Line line = compose_cells(r, text);
    if (is_comment_row(r) || ws.building.connector_depths[r] == 0) {
      end_line_at(line, ws.composition.row_widths[r]);
    } else {
      draw_connectors(r, line, brackets);
    }
    if (marking_text) {
      write_view_line(r, text);
    } else {
      chart_line_composed(line.filled, line.may_break);
    }
  }
}

}  // namespace

void compose_and_write_chart() {
  marking_text = view_chosen();
  if (marking_text) prepare_view();
  const std::uint32_t deepest = measure_rows();
  place_brackets(deepest);
  if (marking_text) begin_view();
  write_lines();
  if (marking_text) end_view();
}
