// The chart model: the rows the builder makes and the composition draws,
// the builder's working state, and the row moves every emitter is built from.
//
// The row being built is the one at chart_row_count; the builder advances
// past it once it is complete, which moves it into the row store (see note
// [row-store]).  A row starts empty, so a move writes only what the row holds.
#pragma once

#include <cstdint>

#include "driver/capacities.h"
#include "driver/markers.h"

enum CellKind : char {
  kCellEmpty = '\0',  // draws nothing, takes no room
  kCellGlyph2 = '2',  // an entry of cell2
  kCellGlyph4 = '4',  // an entry of cell4
  kCellGlyph6 = '6',  // a row of kind_symbol
  kCellText = 'P',    // the text of a statement record (any other kind draws as text too)
};

struct ChartCell {
  CellKind cell_kind;
  std::uint32_t cell_value;  // the table entry, or the statement record's index
  std::uint32_t cell_width;
};

struct ChartRow {
  std::uint32_t cell_count;
  ChartCell cells[kCellStorage];
  Marker row_marker;  // the marker of the record whose text the row carries
};

// connector_kind values: the glyph at a bracket's vertical line (they are the
// cell2 glyphs drawn there).
enum ConnectorKind : std::uint32_t {
  kConnectorUnset = 0,  // a level never written: drawn as a passing line
  kConnectorPass = 1,
  kConnectorTop = 2,
  kConnectorBranch = 3,
  kConnectorBottom = 4,
};

// Level d (1-based) is levels[d - 1]; its connector_kind is the cell's value.
struct ConnectorRecord {
  std::uint32_t connector_depth;
  ChartCell levels[kLevelStorage];
};

// A cell as the row store keeps it: what composition draws from it.
struct StoredCell {
  CellKind cell_kind;
  std::uint16_t cell_width;  // at most one line's text
  std::uint32_t cell_value;
};

// A prepared row with its connectors, kept until its block closes.
struct SavedRow {
  ChartRow row;
  ConnectorRecord connectors;
};

// case_states entries: a SELECT CASE's progress.  Opening a body adds
// kCaseBodyStep, so a first body is 2 and a later one 3 (more after
// unbalanced CASE records); from kCaseLaterBody on, a body's end joins the
// bracket the first one opened.
inline constexpr std::uint32_t kCaseNoBranch = 0;
inline constexpr std::uint32_t kCaseBranchClosed = 1;
inline constexpr std::uint32_t kCaseBodyStep = 2;
inline constexpr std::uint32_t kCaseLaterBody = kCaseBranchClosed + kCaseBodyStep;

// The chart builder's part of the workspace (chart/chart_builder.cc and
// chart/row_emitters.cc write it; the composition reads the row store).
struct BuildingPart {
  std::uint32_t chart_row_count;  // rows built; also the index of the row being built
  std::uint32_t stmt_index;       // the statement record being built
  // The row being built, moved into the row store when it is complete.
  ChartRow building_row;
  ConnectorRecord building_connectors;
  // The prefix the next ordinary row starts from; its last cell is the line cell.
  ChartRow template_row;
  ConnectorRecord template_connectors;
  // Depths of the saved-row stacks and the structure stacks.
  std::uint32_t closing_depth;
  std::uint32_t branch_depth;
  std::uint32_t loop_entry_depth;
  std::uint32_t loop_return_depth;
  std::uint32_t loop_test_depth;
  std::uint32_t loop_exit_depth;
  std::uint32_t loop_kinds[kStructureStackCapacity];  // kind of each open DO
  std::uint32_t loop_kind_depth;
  std::uint32_t if_branches[kStructureStackCapacity];  // ELSE IFs met in each open IF
  std::uint32_t if_depth;
  std::uint32_t case_states[kStructureStackCapacity];  // each open SELECT CASE's progress
  std::uint32_t case_depth;
  std::uint32_t stored_cell_used;
  std::uint32_t stored_level_used;
  // ---- Tables: written before they are read, never cleared ----
  SavedRow closing_rows[kClosingStackCapacity];
  SavedRow branch_closers[kBranchStackCapacity];
  SavedRow loop_entry_rows[kLoopEntryStackCapacity];
  SavedRow loop_return_rows[kLoopReturnStackCapacity];
  SavedRow loop_test_rows[kLoopTestStackCapacity];
  SavedRow loop_exit_rows[kLoopExitStackCapacity];
  // The row store (see note [row-store]).
  std::uint32_t row_cell_counts[kChartRowCapacity];
  Marker row_markers[kChartRowCapacity];
  std::uint32_t connector_depths[kChartRowCapacity];
  std::uint32_t row_cell_starts[kChartRowCapacity];
  std::uint32_t row_level_starts[kChartRowCapacity];
  // The source line of the record each row was built for; informational.
  std::uint32_t row_source_lines[kChartRowCapacity];
  StoredCell stored_cells[kChartRowCapacity * kCellStorage];
  std::uint8_t stored_levels[kChartRowCapacity * kLevelStorage];  // connector kinds
};

// [row-store]
// A chart row is built whole in building_row / building_connectors and then
// moved into the row store.  A row uses a handful of its 46 cells and 41
// connector levels, so the store keeps its fields in tables of their own and
// its cells and levels one row after another in two tables sized for every
// row at full capacity: a row costs the cells and levels it holds, and a
// large chart touches memory in proportion to what it draws.  The store keeps
// what composition reads: a row's first cell_count cells (kind, value and
// width) and the connector kinds of its connector_depth levels.  The widths
// and bracket columns the composition works out are its own.

// A glyph cell of kind '2', '4' or '6' and its width.
ChartCell glyph_cell(CellKind kind, std::uint32_t value);

// A connector level of the given kind.
ChartCell connector_level(ConnectorKind connector_kind);

// Appends a cell after the row's last one.
void append_cell(ChartRow& row, const ChartCell& cell);

// The row (and its connector record) at chart_row_count.  Ends the run with
// the capacity message when that row would lie past the row store.
ChartRow& current_row();
ConnectorRecord& current_connectors();

// Completes the row at chart_row_count: moves it into the row store and
// starts the next one empty.
void advance_row();

// The source line of the record being built (0 when there is none).
std::uint32_t current_source_line();

// A stored row opens a program unit: it draws "▼▼" (a subroutine or
// function) or "▽▽" (a program, module, interface or type) before its text.
bool row_opens_unit(std::uint32_t row);

// The statement record whose text a stored row shows, or kNoRecord.
inline constexpr std::uint32_t kNoRecord = 0xFFFFFFFF;
std::uint32_t row_statement(std::uint32_t row);

// A stored row's cell and the connector kind at a level (1-based).
const StoredCell& stored_cell(std::uint32_t row, std::uint32_t cell);
std::uint32_t stored_connector_kind(std::uint32_t row, std::uint32_t level);

// Copies `count` cells and the connector levels up to `depth`.
void copy_cells(ChartRow& to, const ChartRow& from, std::uint32_t count);
void copy_connectors(ConnectorRecord& to, const ConnectorRecord& from);

// The current row takes the template's cells and connectors.
void copy_template();

// Appends the text of the statement at stmt_index to the current row.
void append_text_cell();

// The current row takes a saved row and its connectors.
void emit_saved_pair(const SavedRow& saved);

// Pushes a saved row; ends the run with the capacity message when the stack
// is full.  Returns the entry to fill.
SavedRow& push_saved_row(SavedRow* stack, std::uint32_t& depth, std::uint32_t capacity);
