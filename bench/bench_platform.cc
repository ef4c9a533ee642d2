#include "bench/bench_platform.h"

#include <sys/stat.h>

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

std::FILE* platform_open_file(const char* path, const char* mode) { return std::fopen(path, mode); }

bool platform_same_file(const char* first_path, const char* second_path) {
  struct stat first {};
  struct stat second {};
  if (stat(first_path, &first) != 0 || stat(second_path, &second) != 0) return false;
  return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}
