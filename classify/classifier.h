// The statement classifier: one source line into statement records.
#pragma once

// Appends the statement records of the current line (after normalisation and
// matching) to statement_table.
void classify_line();
