// The messages of the command-line programs: one line on standard error
// each, in the form editors jump from (SOURCE:LINE: ...).
#pragma once

#include <string>

// The names messages give the source ("<stdin>" for standard input) and the
// chart, and whether warnings are printed at all; no warning is counted yet.
void start_messages(const std::string& source_name, const std::string& chart_name, bool quiet);

// Prints a warning still held back to count its repeats.  Called once the
// conversion is over; a fatal message prints it by itself.
void finish_messages();

// Whether the conversion showed any warning (printed or not).
bool warnings_shown();

// How many warnings the conversion gave, each repeat counted.
unsigned warning_count();

// Where message lines go instead of standard error (null: standard error).
// Each call is one whole line with its line feed.
using MessageSink = void (*)(const std::string& line);
void set_message_sink(MessageSink sink);

// Called after a fatal message, just before the process ends with status 1.
void set_before_fatal_exit(void (*hook)());
