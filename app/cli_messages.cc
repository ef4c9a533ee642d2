// Messages of the command-line programs.
//
// Each message is one line:
//   SOURCE:LINE: TITLE: TEXT (REASON)     for a message about a source line
//   SOURCE: TITLE: TEXT (REASON)          for opening, reading and writing
// TITLE and TEXT are exactly the Windows program's message box; REASON is the
// English explanation.  A warning that repeats for one source line (a long
// line draws one per piece) is held back and printed once with its count.
#include "app/cli_messages.h"

#include <unistd.h>

#include <cerrno>
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
  unsigned warning_count = 0;  // every warning the conversion gave, repeats included
  MessageSink sink = nullptr;  // null: standard error
  void (*before_fatal_exit)() = nullptr;
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

// A line reaches standard error in one write, so that lines of processes
// sharing it never mix.
void print(const std::string& line) {
  if (log.sink != nullptr) {
    log.sink(line);
    return;
  }
  std::fflush(stderr);
  std::size_t written = 0;
  while (written < line.size()) {
    const ssize_t n = write(STDERR_FILENO, line.data() + written, line.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    written += static_cast<std::size_t>(n);
  }
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
  log.warned = false;
  log.warning_count = 0;
  log.held_count = 0;
}

void finish_messages() { print_held(); }

bool warnings_shown() { return log.warned; }

unsigned warning_count() { return log.warning_count; }

void set_message_sink(MessageSink sink) { log.sink = sink; }

void set_before_fatal_exit(void (*hook)()) { log.before_fatal_exit = hook; }

void platform_show_message(const Message& message) {
  if (message.fatal) {
    print_held();
    print(line_of(message, 1));
    return;
  }
  log.warned = true;
  ++log.warning_count;
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
  if (log.before_fatal_exit != nullptr) log.before_fatal_exit();
  std::exit(1);
}
