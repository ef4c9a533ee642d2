// The conversion run: one Fortran source into one chart file.
#pragma once

#include <cstdint>
#include <cstdio>

#include "driver/capacities.h"
#include "driver/views.h"

// The run's own part of the workspace: the two paths, the two files and the
// current line, which every scanning stage reads.
struct RunPart {
  char input_path[kPathCapacity];
  char output_path[kPathCapacity];
  std::FILE* input_file;
  std::FILE* output_file;
  // The current physical line (or piece of one) exactly as read; the
  // classifier takes statement texts from it.  lower_line reads it a word
  // at a time.
  char raw_line[kLineCapacity + kWordSlack];
  // The same line lower-cased: every scanning stage works on it, and while
  // the patterns are compiled it holds the pattern text being compiled.
  char work_line[kLineCapacity + kWordSlack];
  std::uint32_t line_length;     // of work_line, up to its terminator

  char reason[kReasonCapacity];  // the latest message reason that holds a number
  ViewSettings view;             // set by the host before the run; zero: the Shift-JIS chart
};

// Converts the source at input_path into the chart at output_path (both
// UTF-8 paths).  Returns 0 when the chart has been written; after a fatal
// message it does not return (the platform ends the process with status 1).
int run_conversion(const char* input_path, const char* output_path);

// The steps of a run after the files are open, for hosts that feed lines
// themselves (the test and fuzzing harnesses) as well as for the run.

// Compiles the keyword table and sets the start values of every stage.
void start_run();

// Builds work_line: raw_line with the ASCII capitals lowered, byte by byte,
// and its line_length.
void lower_line();

// Takes raw_line through lower-casing, the long-line warning, normalisation,
// matching and classification, then tests the statement limit.
void convert_line();
