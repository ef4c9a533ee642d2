#include "tests/support/reference_matcher.h"

#include "driver/workspace.h"
#include "scan/matcher.h"

void match_line_trying_every_row() {
  ws.matching.line_start_known = false;
  for (std::uint32_t col = ws.matching.scan_start_column;; ++col) {
    if (!prepare_column(col)) break;
    const char c = ws.run.work_line[col];
    if (c == ' ' || c == '\t') continue;
    for (std::uint32_t r = ws.matching.first_pattern; r < ws.matching.pattern_count; ++r) {
      if (ws.patterns.compiled_patterns[r].token_count == 0) break;
      try_row_at(r, col);
    }
  }
}
