// Line normalisation written as plainly as it can be, one column at a time,
// with none of the product's shortcuts (its runs of ordinary columns, its
// search for tabs in a comment).  It reads and writes the same workspace
// items as normalise_line(), so the two can be compared line by line.
#pragma once

void normalise_line_column_by_column();
