#include "driver/workspace.h"

#include <cstddef>
#include <cstring>

Workspace ws;

// The tables need no clearing: the row store, the statement table and the
// stacks are always written before they are read.
void clear_workspace_after_run() { std::memset(&ws, 0, offsetof(Workspace, closing_rows)); }
