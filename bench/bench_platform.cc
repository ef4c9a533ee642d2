#include "bench/bench_platform.h"

#include <cstdio>
#include <cstdlib>

#include "driver/platform.h"

namespace {

std::size_t message_count = 0;

}  // namespace

std::size_t shown_message_count() { return message_count; }

void platform_show_message(const char*, const char*) { ++message_count; }

void platform_exit_fatal() {
  std::fputs("benchmark: the conversion ended with a fatal message; no figure would mean anything\n", stderr);
  std::exit(1);
}
