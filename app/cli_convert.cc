#include "app/cli_convert.h"

#include "app/cli_messages.h"
#include "driver/conversion_run.h"
#include "driver/workspace.h"

namespace {

std::string source_name(const std::string& path) { return path == "-" ? "<stdin>" : path; }
std::string chart_name(const std::string& path) { return path == "-" ? "<stdout>" : path; }

}  // namespace

int convert_file(const CliOptions& options, const std::string& source, const std::string& chart) {
  start_messages(source_name(source), chart_name(chart), options.quiet);
  ws.run.view = options.view;
  run_conversion(source.c_str(), chart.c_str());
  finish_messages();
  return options.strict && warnings_shown() ? kStatusWarned : kStatusConverted;
}
