// The messages of the command-line programs: one line on standard error
// each, in the form editors jump from (SOURCE:LINE: ...).
#pragma once

#include <string>

// The names messages give the source ("<stdin>" for standard input) and the
// chart, and whether warnings are printed at all.
void start_messages(const std::string& source_name, const std::string& chart_name, bool quiet);

// Prints a warning still held back to count its repeats.  Called once the
// conversion is over; a fatal message prints it by itself.
void finish_messages();

// Whether the conversion showed any warning (printed or not).
bool warnings_shown();
