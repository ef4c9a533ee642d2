// The chart builder: statement records into chart rows.
#pragma once

// Walks statement_table once and fills the chart rows and their connectors.  Ends
// the run with the capacity message when a chart limit is reached.
void build_chart();
