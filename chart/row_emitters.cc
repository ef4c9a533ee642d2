// The row emitters.
//
// T is the template row, whose last cell is the line cell (the column the
// next statement is drawn in), and C the template connectors.  An emitter
// other than the plain and the bare row first gives a template of no cells
// (left by unbalanced ELSE records) its line cell back, so every emitter has
// a line cell to work on; see note [unbalanced-structure].
#include "chart/row_emitters.h"

#include "chart/chart_model.h"
#include "chart/glyphs.h"
#include "driver/workspace.h"

// [unbalanced-structure]
// Unbalanced input (an ELSE outside its IF, an END without its opener) can
// leave the template without cells, a line cell that holds a spacer glyph, or
// a saved closing row whose bracket depth is raised past levels never set.
// Every build draws the same bytes then: the template is given back one cell
// (whatever it last held at position 0), a caption written over a spacer glyph
// replaces the whole cell, and connector levels never written are zero, which
// is drawn as a passing line.  A saved row's levels are written when it is
// pushed and by the amendments of its block, in place; a level an earlier
// amendment wrote keeps its kind when a later one raises the depth over it.

namespace {

ChartRow& template_row() { return ws.building.template_row; }
ConnectorRecord& template_connectors() { return ws.building.template_connectors; }

ChartCell piece(std::uint32_t row) { return glyph_cell(kCellGlyph6, row); }

std::uint32_t current_kind() { return ws.records.statement_table[ws.building.stmt_index].kind; }

void give_template_a_line_cell() {
  if (template_row().cell_count == 0) template_row().cell_count = 1;
}

ChartCell& line_cell(ChartRow& row) { return row.cells[row.cell_count - 1]; }

// Writes a caption into the line cell.  Over a spacer glyph (only after
// unbalanced structure) the caption replaces the whole cell.
void put_caption(ChartRow& row, std::uint32_t caption_row) {
  ChartCell& cell = line_cell(row);
  if (cell.cell_kind == kCellGlyph2 || cell.cell_kind == kCellGlyph4) {
    cell = piece(caption_row);
  } else {
    cell.cell_value = caption_row;
  }
}

void captioned_row(std::uint32_t caption_row) {
  give_template_a_line_cell();
  copy_template();
  put_caption(current_row(), caption_row);
  append_text_cell();
}

void marked_row(std::uint32_t glyph) {
  give_template_a_line_cell();
  copy_template();
  line_cell(current_row()) = glyph_cell(kCellGlyph2, glyph);
  append_text_cell();
}

// A saved row: the template's first `kept` cells and two cells of its own,
// with the template connectors.  Its levels past theirs start empty: a later
// amendment may raise its depth over them (see note [unbalanced-structure]).
void fill_saved_row(SavedRow& saved, std::uint32_t kept, const ChartCell& first, const ChartCell& second) {
  saved.row.cell_count = 0;
  copy_cells(saved.row, template_row(), kept);
  saved.row.cell_count = kept;
  append_cell(saved.row, first);
  append_cell(saved.row, second);
  copy_connectors(saved.connectors, template_connectors());
  ConnectorRecord& connectors = saved.connectors;
  const std::uint32_t written = connectors.connector_depth < kLevelStorage ? connectors.connector_depth : kLevelStorage;
  for (std::uint32_t i = written; i < kLevelStorage; ++i) connectors.levels[i] = ChartCell{};
}

void add_level(ConnectorRecord& connectors, ConnectorKind connector_kind) {
  if (connectors.connector_depth >= kLevelStorage) return;
  connectors.levels[connectors.connector_depth++] = connector_level(connector_kind);
}

// The closing row of the innermost branch block learns that its branch now
// arrives through the bracket: "├←←" then "←←←", and for a new bracket the
// bracket's bottom on that row.
void amend_branch_closer(bool new_bracket, std::uint32_t bracket_level) {
  if (ws.building.branch_depth == 0) return;
  SavedRow& closer = ws.building.branch_closers[ws.building.branch_depth - 1];
  if (closer.row.cell_count > 0) line_cell(closer.row).cell_value = kPieceArrive;
  if (!new_bracket || bracket_level > kLevelStorage) return;
  ConnectorRecord& connectors = closer.connectors;
  connectors.connector_depth = bracket_level;
  connectors.levels[bracket_level - 1] = connector_level(kConnectorBottom);
}

struct HeadCells {
  ChartCell head_first, head_second, spacer, new_line, close_first, close_second;
};

HeadCells head_cells(HeadForm form) {
  const ChartCell line = piece(kPieceLine);
  switch (form) {
    case HeadForm::kSubroutine:
      return {glyph_cell(kCellGlyph2, kGlyphUnitOpen),  glyph_cell(kCellGlyph4, kPiece4UnitOpen),
              glyph_cell(kCellGlyph2, kGlyphSpacer),    line,
              glyph_cell(kCellGlyph2, kGlyphUnitClose), glyph_cell(kCellGlyph4, kPiece4UnitClose)};
    case HeadForm::kProgram:
    case HeadForm::kInterface:
      return {glyph_cell(kCellGlyph2, kGlyphBlockOpen),
              glyph_cell(kCellGlyph4, kPiece4BlockOpen),
              glyph_cell(kCellGlyph2, kGlyphSpacer),
              form == HeadForm::kInterface ? piece(kPieceBlank) : line,
              glyph_cell(kCellGlyph2, kGlyphBlockClose),
              glyph_cell(kCellGlyph4, kPiece4BlockClose)};
    case HeadForm::kLoop:
      break;
  }
  return {glyph_cell(kCellGlyph4, kPiece4LoopTurn), piece(kPieceTop), glyph_cell(kCellGlyph4, kPiece4Blank),
          line,                                 glyph_cell(kCellGlyph4, kPiece4LoopBack), piece(kPieceBottom)};
}

}  // namespace

void plain_row() {
  if (template_row().cell_count == 0) {
    current_row().cell_count = 0;
    current_connectors().connector_depth = 0;
  } else {
    copy_template();
    line_cell(current_row()).cell_value = kPieceLine;
  }
  append_text_cell();
}

void keyword_row() { captioned_row(caption_of_kind(current_kind())); }

void loop_row() { captioned_row(caption_of_kind(current_kind())); }

void assignment_row(std::uint32_t caption_row) { captioned_row(caption_row); }

void label_row() { marked_row(kGlyphLabel); }

void format_row() { marked_row(kGlyphFormat); }

void bare_row() {
  current_row().cell_count = 0;
  current_connectors().connector_depth = 0;
  append_text_cell();
}

void separator_row() {
  give_template_a_line_cell();
  ChartRow& row = current_row();
  row.cell_count = template_row().cell_count;
  line_cell(row) = piece(kPieceBlank);
}

void open_branch_block(bool saved) {
  give_template_a_line_cell();
  const std::uint32_t n = template_row().cell_count;
  copy_template();
  ChartRow& row = current_row();
  line_cell(row).cell_value = kPieceDecide;
  append_cell(row, piece(kPieceTop));
  append_cell(template_row(), piece(kPieceLine));
  if (!saved) return;
  SavedRow& closer = push_saved_row(ws.building.branch_closers, ws.building.branch_depth, kBranchStackCapacity);
  fill_saved_row(closer, n - 1, piece(kPieceJoin), piece(kPieceBottom));
}

void end_branch(bool new_bracket) {
  give_template_a_line_cell();
  const std::uint32_t m = template_connectors().connector_depth;
  copy_template();
  line_cell(current_row()).cell_value = kPieceLeave;
  ConnectorRecord& connectors = current_connectors();
  if (new_bracket) {
    add_level(connectors, kConnectorTop);
    add_level(template_connectors(), kConnectorPass);
  } else if (m > 0 && m <= kLevelStorage) {
    connectors.levels[m - 1] = connector_level(kConnectorBranch);
    template_connectors().levels[m - 1] = connector_level(kConnectorPass);
  }
  --template_row().cell_count;
  amend_branch_closer(new_bracket, m + 1);
}

void retemplate_from_row() {
  give_template_a_line_cell();
  const ChartRow& row = current_row();
  ChartRow& t = template_row();
  if (row.cell_count > 1) t.cell_count = row.cell_count - 1;
  copy_cells(t, row, t.cell_count);
  line_cell(t) = piece(kPieceLine);
  // Brackets that pass or branch here stay open; a top or bottom ends the
  // levels the template keeps.
  const ConnectorRecord& connectors = current_connectors();
  ConnectorRecord& c = template_connectors();
  std::uint32_t taken = 0;
  while (taken < connectors.connector_depth && taken < kLevelStorage) {
    const std::uint32_t kind = connectors.levels[taken].cell_value;
    if (kind != kConnectorUnset && kind != kConnectorPass && kind != kConnectorBranch) break;
    c.levels[taken] = connectors.levels[taken];
    ++taken;
  }
  c.connector_depth = taken;
}

void open_head(HeadForm form) {
  give_template_a_line_cell();
  const HeadCells cells = head_cells(form);
  const std::uint32_t n = template_row().cell_count;
  copy_template();
  ChartRow& row = current_row();
  line_cell(row) = cells.head_first;
  append_cell(row, cells.head_second);
  line_cell(template_row()) = cells.spacer;
  append_cell(template_row(), cells.new_line);
  SavedRow& closing = push_saved_row(ws.building.closing_rows, ws.building.closing_depth, kClosingStackCapacity);
  fill_saved_row(closing, n - 1, cells.close_first, cells.close_second);
}

void save_loop_rows() {
  give_template_a_line_cell();
  const std::uint32_t n = template_row().cell_count;
  const std::uint32_t kept = n >= 2 ? n - 2 : 0;
  SavedRow& entry = push_saved_row(ws.building.loop_entry_rows, ws.building.loop_entry_depth, kLoopEntryStackCapacity);
  fill_saved_row(entry, kept, glyph_cell(kCellGlyph4, kPiece4LoopEnter), piece(kPieceBranch));
  SavedRow& back = push_saved_row(ws.building.loop_return_rows, ws.building.loop_return_depth, kLoopReturnStackCapacity);
  fill_saved_row(back, kept, glyph_cell(kCellGlyph4, kPiece4LoopLeave), piece(kPieceBottom));
  add_level(back.connectors, kConnectorPass);
  SavedRow& test = push_saved_row(ws.building.loop_test_rows, ws.building.loop_test_depth, kLoopTestStackCapacity);
  fill_saved_row(test, kept, glyph_cell(kCellGlyph4, kPiece4ReturnArrow), piece(kPieceDecide));
  add_level(test.connectors, kConnectorTop);
  SavedRow& exit = push_saved_row(ws.building.loop_exit_rows, ws.building.loop_exit_depth, kLoopExitStackCapacity);
  fill_saved_row(exit, kept, glyph_cell(kCellGlyph4, kPiece4Blank), piece(kPieceLoopExit));
  add_level(exit.connectors, kConnectorBottom);
}

void after_entry_retemplate() {
  const ChartRow& row = current_row();
  ChartRow& t = template_row();
  t.cell_count = row.cell_count;
  copy_cells(t, row, t.cell_count);
  if (t.cell_count >= 2) t.cells[t.cell_count - 2] = glyph_cell(kCellGlyph4, kPiece4ReturnArrow);
  if (t.cell_count >= 1) line_cell(t) = piece(kPieceLine);
  copy_connectors(template_connectors(), current_connectors());
}

void after_test_retemplate() {
  const ChartRow& row = current_row();
  ChartRow& t = template_row();
  t.cell_count = row.cell_count;
  copy_cells(t, row, t.cell_count);
  if (t.cell_count >= 1) line_cell(t) = piece(kPieceLine);
  ConnectorRecord& c = template_connectors();
  copy_connectors(c, current_connectors());
  if (c.connector_depth >= 1 && c.connector_depth <= kLevelStorage) {
    c.levels[c.connector_depth - 1] = connector_level(kConnectorPass);
  }
}
