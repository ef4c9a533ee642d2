// The command line of kmt_sorvane and kmt_meridol: its options, read into
// one record, and the help that lists them.
#pragma once

#include <string>
#include <vector>

#include "driver/views.h"

enum class CliAction { kConvert, kHelp, kVersion, kLegend };

struct CliOptions {
  CliAction action = CliAction::kConvert;
  bool quiet = false;   // no warnings on standard error
  bool strict = false;  // a chart written with warnings ends with status 3
  ViewSettings view{ChartFormat::kShiftJis, SourceEncoding::kDetect, AmbiguousWidth::kNarrow};
  std::string output_dir;  // a whole tree into this folder; empty: one SOURCE and its CHART
  unsigned jobs = 0;       // workers for a tree; 0: one per processor
  // SOURCE and CHART, or with an output folder the PATHs to convert.
  std::vector<std::string> operands;
};

struct CliParse {
  bool ok = true;
  std::string error;  // what was wrong, when not ok
  CliOptions options;
};

// Reads the arguments after the program name.
CliParse parse_command_line(int argc, char** argv);

// The name the program was started as, for its messages.
const char* program_name(const char* argv0);

// The usage lines, and the whole help, for the program called `name`.
std::string usage_text(const char* name);
std::string help_text(const char* name);

// The file name extension of a chart in the format: ".txt" or ".html".
const char* chart_extension(ChartFormat format);

// Exit statuses.
inline constexpr int kStatusConverted = 0;
inline constexpr int kStatusFailed = 1;
inline constexpr int kStatusUsage = 2;
inline constexpr int kStatusWarned = 3;  // with --strict
