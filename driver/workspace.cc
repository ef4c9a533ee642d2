#include "driver/workspace.h"

#include <cstddef>
#include <cstring>

Workspace ws;

namespace {

template <typename Part>
void clear_part(Part& part, std::size_t state_bytes = sizeof(Part)) {
  std::memset(static_cast<void*>(&part), 0, state_bytes);
}

}  // namespace

void clear_workspace_after_run() {
  clear_part(ws.run);
  clear_part(ws.reading);
  clear_part(ws.patterns);
  clear_part(ws.normalisation);
  clear_part(ws.matching);
  clear_part(ws.records, offsetof(RecordsPart, statement_table));
  clear_part(ws.tracking, offsetof(TrackingPart, label_stack));
  clear_part(ws.building, offsetof(BuildingPart, closing_rows));
  clear_part(ws.composition, offsetof(CompositionPart, row_widths));
  clear_part(ws.writing);
}
