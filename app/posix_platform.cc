// Messages of the command-line program: one line on standard error each.
#include <cstdio>
#include <cstdlib>

#include "driver/platform.h"

void platform_show_message(const char* text, const char* title) {
  std::fprintf(stderr, "%s: %s\n", title, text);
  std::fflush(stderr);
}

void platform_exit_fatal() { std::exit(1); }
