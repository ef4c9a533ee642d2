// Messages of the command-line programs.
//
// Each message is one line:
//   SOURCE:LINE: TITLE: TEXT (REASON)     for a message about a source line
//   SOURCE: TITLE: TEXT (REASON)          for opening, reading and writing
// TITLE and TEXT are exactly the Windows program's message box; REASON is the
// English explanation.  A warning that repeats for one source line (a long
// line draws one per piece) is held back and printed once with its count.
#include "app/cli_messages.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "driver/platform.h"

namespace {

struct MessageLog {
  std::string source_name = "<source>";
  std::string chart_name = "<chart>";
  bool quiet = false;
  bool warned = false;
  // The warning held back (as its first line printed), and how many times it came.
  std::string held_key;
  std::string held;
  unsigned held_count = 0;
};

MessageLog log;

// The messages about the chart file name it in their reason.
bool concerns_the_chart(const Message& message) {
  return message.text == std::string(kTextChartNotCreated) || message.text == std::string(kTextWriteFailed);
}

std::string line_of(const Message& message, unsigned repeats) {
  std::string line = log.source_name;
  if (message.source_line != kNoSourceLine) line.append(":").append(std::to_string(message.source_line));
  line.append(": ").append(message.title).append(": ").append(message.text).append(" (");
  if (concerns_the_chart(message)) line.append("chart ").append(log.chart_name).append(": ");
  line.append(message.reason);
  if (repeats > 1) line.append("; ").append(std::to_string(repeats)).append(" times");
  return line.append(")\n");
}

void print(const std::string& line) {
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
}

void print_held() {
  if (log.held_count == 0) return;
  print(log.held);
  log.held_count = 0;
}

// The held warning as it would print, its count aside.
std::string key_of(const Message& message) { return line_of(message, 1); }

}  // namespace

void start_messages(const std::string& source_name, const std::string& chart_name, bool quiet) {
  log.source_name = source_name;
  log.chart_name = chart_name;
  log.quiet = quiet;
}

void finish_messages() { print_held(); }

bool warnings_shown() { return log.warned; }

void platform_show_message(const Message& message) {
  if (message.fatal) {
    print_held();
    print(line_of(message, 1));
    return;
  }
  log.warned = true;
  if (log.quiet) return;
  const std::string key = key_of(message);
  if (log.held_count > 0 && key == log.held_key) {
    ++log.held_count;
    log.held = line_of(message, log.held_count);
    return;
  }
  print_held();
  log.held_key = key;
  log.held = key;
  log.held_count = 1;
}

void platform_exit_fatal() {
  print_held();
  std::exit(1);
}
