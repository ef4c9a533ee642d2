// Chart composition and output: chart rows into text lines.
#pragma once

#include <cstdint>

#include "driver/capacities.h"

// The composition's part of the workspace: a view's line being composed, and what
// it works out for every row before the first line is written.
struct CompositionPart {
  char chart_line[kChartLineWidth];  // a view's line; a chart line is composed in the writer's buffer
  // ---- Tables: written before they are read, never cleared ----
  std::uint32_t row_widths[kChartRowCapacity];  // cell widths, widened for bracket tops
  std::uint32_t bracket_end_columns[kChartRowCapacity];
  std::uint32_t bracket_start_columns[kChartRowCapacity];
  std::uint32_t row_clearings[kChartRowCapacity];  // a bracket right of the row stands here at least; 0: comment
  // The non-comment rows of each connector level, in row order: those of
  // level L are level_rows[level_row_starts[L]] up to level_row_starts[L + 1].
  std::uint32_t level_rows[kChartRowCapacity];
  std::uint32_t level_row_starts[kConnectorLevels + 2];
};

// Measures every chart row, places the bracket columns, composes each row's
// line and writes it to output_file.  Ends the run with a capacity message,
// before anything is written, when a row is too wide.
void compose_and_write_chart();
