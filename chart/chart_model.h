// The chart model: the row moves every emitter is built from.
//
// The row being built is the one at chart_row_count; the builder advances
// past it once it is complete, which moves it into the row store (see note
// [row-store] in driver/workspace.h).  A row starts empty, so a move writes
// only what the row holds.
#pragma once

#include <cstdint>

#include "driver/workspace.h"

// Cell kinds.
inline constexpr char kCellGlyph2 = '2';
inline constexpr char kCellGlyph4 = '4';
inline constexpr char kCellGlyph6 = '6';
inline constexpr char kCellText = 'P';

// connector_kind values: the glyph at a bracket's vertical line.
inline constexpr std::uint32_t kConnectorPass = 1;
inline constexpr std::uint32_t kConnectorTop = 2;
inline constexpr std::uint32_t kConnectorBranch = 3;
inline constexpr std::uint32_t kConnectorBottom = 4;

// A glyph cell of kind '2', '4' or '6' and its width.
ChartCell glyph_cell(char kind, std::uint32_t value);

// A connector level of the given kind.
ChartCell connector_level(std::uint32_t connector_kind);

// Appends a cell after the row's last one.
void append_cell(ChartRow& row, const ChartCell& cell);

// The row (and its connector record) at chart_row_count.  Ends the run with
// the capacity message when that row would lie past the row store.
ChartRow& current_row();
ConnectorRecord& current_connectors();

// Completes the row at chart_row_count: moves it into the row store and
// starts the next one empty.
void advance_row();

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
