// Line normalisation: literal and comment masks of one source line.
#pragma once

// Measures and marks work_line: fills quote_mask and taken_mask, the first and
// last non-blank columns, line_flag and line_end, and carries literal and
// "/*" state on to the next line.
void normalise_line();
