#include "driver/workspace.h"

Workspace ws;
