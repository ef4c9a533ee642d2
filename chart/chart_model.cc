// The chart model's row moves.
#include "chart/chart_model.h"

#include "chart/glyphs.h"
#include "classify/statement_records.h"
#include "driver/messages.h"
#include "driver/workspace.h"

ChartCell glyph_cell(CellKind kind, std::uint32_t value) {
  const std::uint32_t width = kind == kCellGlyph2 ? 2 : kind == kCellGlyph4 ? 4 : 6;
  return ChartCell{kind, value, width};
}

ChartCell connector_level(ConnectorKind connector_kind) { return glyph_cell(kCellGlyph2, connector_kind); }

// A row can be built one or two cells past the limit the builder tests
// before each statement; beyond the storage a cell is dropped, and the run
// then stops at that test anyway (see note [capacities]).
void append_cell(ChartRow& row, const ChartCell& cell) {
  if (row.cell_count < kCellStorage) row.cells[row.cell_count++] = cell;
}

namespace {

void refuse_row_past_the_store() {
  if (ws.building.chart_row_count < kChartRowCapacity) return;
  show_fatal(kTextTooLarge, kTitleExcuse, current_source_line(), "the chart needs more than 100,010 rows");
}

}  // namespace

ChartRow& current_row() {
  refuse_row_past_the_store();
  return ws.building.building_row;
}

ConnectorRecord& current_connectors() {
  refuse_row_past_the_store();
  return ws.building.building_connectors;
}

// Every move writes cells below the row's count and levels below its depth,
// so clearing those leaves the next row empty.
void advance_row() {
  const std::uint32_t r = ws.building.chart_row_count;
  ChartRow& row = current_row();
  ConnectorRecord& connectors = current_connectors();
  const std::uint32_t cells = row.cell_count < kCellStorage ? row.cell_count : kCellStorage;
  const std::uint32_t levels = connectors.connector_depth < kLevelStorage ? connectors.connector_depth : kLevelStorage;
  ws.building.row_cell_counts[r] = row.cell_count;
  ws.building.row_source_lines[r] = current_source_line();
  ws.building.row_markers[r] = row.row_marker;
  ws.building.connector_depths[r] = connectors.connector_depth;
  ws.building.row_cell_starts[r] = ws.building.stored_cell_used;
  ws.building.row_level_starts[r] = ws.building.stored_level_used;
  // Through pointers taken once: a store into the cells could, as far as the
  // compiler knows, change the counts it would otherwise read again.
  StoredCell* const stored = ws.building.stored_cells + ws.building.stored_cell_used;
  for (std::uint32_t i = 0; i < cells; ++i) {
    const ChartCell& cell = row.cells[i];
    stored[i] = StoredCell{cell.cell_kind, static_cast<std::uint16_t>(cell.cell_width), cell.cell_value};
    row.cells[i] = ChartCell{};
  }
  ws.building.stored_cell_used += cells;
  std::uint8_t* const kinds = ws.building.stored_levels + ws.building.stored_level_used;
  for (std::uint32_t i = 0; i < levels; ++i) {
    kinds[i] = static_cast<std::uint8_t>(connectors.levels[i].cell_value);
    connectors.levels[i] = ChartCell{};
  }
  ws.building.stored_level_used += levels;
  row.cell_count = 0;
  row.row_marker = kMarkerUnset;
  connectors.connector_depth = 0;
  ++ws.building.chart_row_count;
}

std::uint32_t current_source_line() {
  const std::uint32_t index = ws.building.stmt_index;
  return index < ws.records.stmt_count ? ws.records.statement_table[index].source_line : kNoSourceLine;
}

bool row_opens_unit(std::uint32_t row) {
  for (std::uint32_t i = 0; i < ws.building.row_cell_counts[row] && i < kCellStorage; ++i) {
    const StoredCell& cell = stored_cell(row, i);
    if (cell.cell_kind == kCellGlyph4 && (cell.cell_value == kPiece4UnitOpen || cell.cell_value == kPiece4BlockOpen)) {
      return true;
    }
  }
  return false;
}

std::uint32_t row_statement(std::uint32_t row) {
  for (std::uint32_t i = 0; i < ws.building.row_cell_counts[row] && i < kCellStorage; ++i) {
    const StoredCell& cell = stored_cell(row, i);
    const bool glyph = cell.cell_kind == kCellGlyph2 || cell.cell_kind == kCellGlyph4 || cell.cell_kind == kCellGlyph6;
    if (!glyph && cell.cell_kind != kCellEmpty && cell.cell_value < ws.records.stmt_count) return cell.cell_value;
  }
  return kNoRecord;
}

const StoredCell& stored_cell(std::uint32_t row, std::uint32_t cell) {
  return ws.building.stored_cells[ws.building.row_cell_starts[row] + cell];
}

std::uint32_t stored_connector_kind(std::uint32_t row, std::uint32_t level) {
  return ws.building.stored_levels[ws.building.row_level_starts[row] + level - 1];
}

void copy_cells(ChartRow& to, const ChartRow& from, std::uint32_t count) {
  if (count > kCellStorage) count = kCellStorage;
  for (std::uint32_t i = 0; i < count; ++i) to.cells[i] = from.cells[i];
}

void copy_connectors(ConnectorRecord& to, const ConnectorRecord& from) {
  const std::uint32_t depth = from.connector_depth < kLevelStorage ? from.connector_depth : kLevelStorage;
  to.connector_depth = from.connector_depth;
  for (std::uint32_t i = 0; i < depth; ++i) to.levels[i] = from.levels[i];
}

void copy_template() {
  ChartRow& row = current_row();
  row.cell_count = ws.building.template_row.cell_count;
  copy_cells(row, ws.building.template_row, row.cell_count);
  copy_connectors(current_connectors(), ws.building.template_connectors);
}

void append_text_cell() {
  const StatementRecord& record = ws.records.statement_table[ws.building.stmt_index];
  ChartRow& row = current_row();
  append_cell(row, ChartCell{kCellText, ws.building.stmt_index, record.text_length});
  row.row_marker = record.marker;
}

void emit_saved_pair(const SavedRow& saved) {
  ChartRow& row = current_row();
  row.cell_count = saved.row.cell_count;
  copy_cells(row, saved.row, row.cell_count);
  copy_connectors(current_connectors(), saved.connectors);
}

SavedRow& push_saved_row(SavedRow* stack, std::uint32_t& depth, std::uint32_t capacity) {
  if (depth >= capacity) {
    show_fatal(kTextTooLarge, kTitleExcuse, current_source_line(),
               reason_with_number("more than ", capacity, " blocks or loops open at once"));
  }
  return stack[depth++];
}
