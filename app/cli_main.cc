// The command-line front end: kmt_sorvane / kmt_meridol [OPTION]... SOURCE CHART.
//
// Converts one Fortran source into its chart.  Messages are lines on
// standard error (app/cli_messages.cc); the exit status is 0 after a
// conversion (3 with --strict when it warned), 1 after a fatal message and 2
// for a usage error.
#include <cstdio>
#include <cstring>
#include <string>

#include "app/cli_messages.h"
#include "app/cli_options.h"
#include "app/legend.h"
#include "driver/conversion_run.h"
#include "driver/edition.h"

namespace {

int usage_error(const char* name, const std::string& error) {
  std::fprintf(stderr, "%s: %s\n%s", name, error.c_str(), usage_text(name).c_str());
  std::fprintf(stderr, "Try '%s --help' for more information.\n", name);
  return kStatusUsage;
}

void print_version() {
  std::printf("KMT Version 1.0 (%s edition)\nBrandolk  MADE IN JAPAN\n", kEditionName);
}

std::string source_name(const std::string& path) { return path == "-" ? "<stdin>" : path; }
std::string chart_name(const std::string& path) { return path == "-" ? "<stdout>" : path; }

int convert(const CliOptions& options) {
  const std::string& source = options.operands[0];
  const std::string& chart = options.operands[1];
  start_messages(source_name(source), chart_name(chart), options.quiet);
  run_conversion(source.c_str(), chart.c_str());
  finish_messages();
  return options.strict && warnings_shown() ? kStatusWarned : kStatusConverted;
}

}  // namespace

int main(int argc, char** argv) {
  const char* name = program_name(argc > 0 ? argv[0] : "kmt");
  const CliParse parse = parse_command_line(argc, argv);
  if (!parse.ok) return usage_error(name, parse.error);
  switch (parse.options.action) {
    case CliAction::kHelp:
      std::fputs(help_text(name).c_str(), stdout);
      return kStatusConverted;
    case CliAction::kVersion:
      print_version();
      return kStatusConverted;
    case CliAction::kLegend:
      std::fputs(legend_text().c_str(), stdout);
      return kStatusConverted;
    case CliAction::kConvert:
      break;
  }
  return convert(parse.options);
}
