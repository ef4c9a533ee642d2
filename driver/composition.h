// Chart composition and output: chart rows into text lines.
#pragma once

#include <cstdint>

#include "driver/capacities.h"

// The composition's part of the workspace: the line being composed, and what
// it works out for every row before the first line is written.
struct CompositionPart {
  char chart_line[kChartLineWidth];
  // ---- Tables: written before they are read, never cleared ----
  std::uint32_t row_widths[kChartRowCapacity];  // cell widths, widened for bracket tops
  std::uint32_t bracket_end_columns[kChartRowCapacity];
  std::uint32_t bracket_start_columns[kChartRowCapacity];
};

// Measures every chart row, places the bracket columns, composes each row's
// line and writes it to output_file.  Ends the run with a capacity message,
// before anything is written, when a row is too wide.
void compose_and_write_chart();
