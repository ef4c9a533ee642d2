#include "driver/workspace.h"

#include <cstddef>
#include <cstring>

Workspace ws;

void clear_workspace_after_run() {
  // The builder writes at most the row at chart_row_count past the rows it
  // completed (a run can end inside a statement).
  std::size_t rows = ws.chart_row_count + std::size_t{1};
  if (rows > kChartRowCapacity) rows = kChartRowCapacity;
  std::memset(ws.chart_rows, 0, sizeof(ChartRow) * rows);
  std::memset(ws.connector_rows, 0, sizeof(ConnectorRecord) * rows);
  std::memset(&ws, 0, offsetof(Workspace, closing_rows));
}
