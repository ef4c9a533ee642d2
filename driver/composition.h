// Chart composition and output: chart rows into text lines.
#pragma once

// Measures every chart row, places the bracket columns, composes each row's
// line and writes it to output_file.  Ends the run with a capacity message,
// before anything is written, when a row is too wide.
void compose_and_write_chart();
