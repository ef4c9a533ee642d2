// The conversion run: one Fortran source into one chart file.
#pragma once

// Converts the source at input_path into the chart at output_path (both
// UTF-8 paths).  Returns 0 when the chart has been written; after a fatal
// message it does not return (the platform ends the process with status 1).
int run_conversion(const char* input_path, const char* output_path);

// The steps of a run after the files are open, for hosts that feed lines
// themselves (the test and fuzzing harnesses) as well as for the run.

// Compiles the keyword table and sets the start values of every stage.
void start_run();

// Builds work_line: raw_line with the ASCII capitals lowered, byte by byte.
void lower_line();

// Takes raw_line through lower-casing, the long-line warning, normalisation,
// matching and classification, then tests the statement limit.
void convert_line();
