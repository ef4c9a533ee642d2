// The command-line front end: kmt_sorvane / kmt_meridol [OPTION]... SOURCE CHART,
// or [OPTION]... -o DIR PATH... for a whole tree.
//
// Converts one Fortran source into its chart (app/cli_convert.cc), or every
// source of a tree (app/tree_run.cc).  Messages are lines on standard error
// (app/cli_messages.cc); the exit status is 0 after a conversion (3 with
// --strict when it warned), 1 after a fatal message and 2 for a usage error.

// [startup]
// A typical Fortran source is small, and converting it takes less time than
// starting the program.  Linked against the shared C++ runtime, the loader
// spent three quarters of a small run's instructions (1.7 of 2.2 million)
// relocating that library; so the programs carry the parts of the runtime
// they use and load only the C library, as the copy they are measured
// against does.  Sanitized builds keep the shared runtime the sanitizers
// expect.
#include <cstdio>
#include <cstring>
#include <string>

#include "app/cli_convert.h"
#include "app/cli_options.h"
#include "app/legend.h"
#include "app/workspace_memory.h"
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
  const CliOptions& options = parse.options;
  if (!options.output_dir.empty()) return convert_tree(options);
  const std::string& source = options.operands[0];
  if (source_size(source) >= kLargePageSourceBytes) prefer_large_workspace_pages();
  return convert_file(options, source, options.operands[1]);
}
