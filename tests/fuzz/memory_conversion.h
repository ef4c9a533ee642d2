// Whole conversions in memory, for the fuzz targets and their replay test.
//
// The runs go through the in-memory platform (tests/support/memory_platform.h):
// the source is read from the bytes handed in, the chart is written to memory,
// messages are recorded, and a fatal message unwinds back to the caller
// instead of ending the process.  Between runs the workspace is returned to
// its start state, so one process can convert any number of sources.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "driver/views.h"

struct ConversionOutcome {
  bool ended_fatally = false;
  std::string chart;                  // the bytes written to the chart file
  std::vector<std::string> messages;  // "Title: text", oldest first
  bool operator==(const ConversionOutcome&) const = default;
};

// Converts one source held in memory and leaves the workspace ready for the
// next run.  Afterwards every table entry the run may have used, and that the
// workspace reset leaves alone, holds `table_fill`: zero restores the state of
// a fresh process, anything else poisons what the next run must write before
// it reads.
// `view` chooses the chart or one of its views.
ConversionOutcome convert_in_memory(std::string_view source, unsigned char table_fill = 0, ViewSettings view = {});

// Empty when the text is valid UTF-8; otherwise where it is not.
std::string utf8_fault(const std::string& text);

// Empty when the page is valid UTF-8 and well-formed: every tag one the view
// writes, every element closed in order, no markup character loose in text.
std::string html_fault(const std::string& page);

// Empty when the outcome is one the conversion may produce; otherwise what is
// wrong with it.
std::string outcome_fault(const ConversionOutcome& outcome);

// Converts the source twice, the second time over poisoned tables, and checks
// both outcomes and that they are identical; then writes its UTF-8 view
// (narrow and wide) and its HTML page and checks them.  Empty when all is well,
// otherwise a description of the fault for a report.
std::string conversion_fault(std::string_view source);
