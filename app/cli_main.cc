// The command-line front end: kmt_sorvane / kmt_meridol SOURCE CHART.
//
// Converts one Fortran source into its chart.  Every message of the
// conversion is one line "<title>: <text>" on standard error; the exit status
// is 0 after a conversion, 1 after a fatal message and 2 for a usage error.
#include <cstdio>
#include <cstring>

#include "driver/conversion_run.h"
#include "driver/edition.h"

namespace {

constexpr int kUsageError = 2;

const char* program_name(const char* argv0) {
  const char* slash = std::strrchr(argv0, '/');
  return slash != nullptr ? slash + 1 : argv0;
}

void print_usage(std::FILE* stream, const char* name) {
  std::fprintf(stream, "usage: %s SOURCE CHART\n", name);
}

void print_help(const char* name) {
  print_usage(stdout, name);
  std::printf(
      "\n"
      "Reads the Fortran source file SOURCE (free form, fixed-form comment lines\n"
      "tolerated) and writes its flowchart to CHART as Shift-JIS text: one line\n"
      "per chart row, each ending in CR LF.  Comments are left out of the chart.\n"
      "An existing CHART is replaced.  This is the %s edition.\n"
      "\n"
      "Options:\n"
      "  --help      show this help and exit\n"
      "  --version   show the version and exit\n"
      "  --          end of options (for paths that begin with '-')\n"
      "\n"
      "Messages are written to standard error as \"<title>: <text>\" lines.\n"
      "\n"
      "Exit status:\n"
      "  0  the chart has been written\n"
      "  1  a fatal problem (the chart, when created, is left empty)\n"
      "  2  wrong arguments\n"
      "\n"
      "Viewing a chart on a UTF-8 terminal:\n"
      "  iconv -f CP932 -t UTF-8 CHART\n"
      "The box-drawing lines align only when the terminal shows East-Asian\n"
      "ambiguous-width characters wide (two columns), as the chart counts them.\n",
      kEditionName);
}

void print_version() {
  std::printf("KMT Version 1.0 (%s edition)\nBrandolk  MADE IN JAPAN\n", kEditionName);
}

}  // namespace

int main(int argc, char** argv) {
  const char* name = program_name(argc > 0 ? argv[0] : "kmt");
  const char* paths[2] = {nullptr, nullptr};
  int path_count = 0;
  bool options_ended = false;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (!options_ended && std::strcmp(arg, "--") == 0) {
      options_ended = true;
    } else if (!options_ended && std::strcmp(arg, "--help") == 0) {
      print_help(name);
      return 0;
    } else if (!options_ended && std::strcmp(arg, "--version") == 0) {
      print_version();
      return 0;
    } else if (!options_ended && arg[0] == '-' && arg[1] != '\0') {
      std::fprintf(stderr, "%s: unknown option '%s'\n", name, arg);
      print_usage(stderr, name);
      return kUsageError;
    } else if (path_count < 2) {
      paths[path_count++] = arg;
    } else {
      ++path_count;
    }
  }
  if (path_count != 2) {
    print_usage(stderr, name);
    std::fprintf(stderr, "Try '%s --help' for more information.\n", name);
    return kUsageError;
  }
  return run_conversion(paths[0], paths[1]);
}
