// The platform services of the command-line program.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>

#include "driver/platform.h"

void platform_show_message(const char* text, const char* title) {
  std::fprintf(stderr, "%s: %s\n", title, text);
  std::fflush(stderr);
}

void platform_exit_fatal() { std::exit(1); }

std::FILE* platform_open_file(const char* path, const char* mode) { return std::fopen(path, mode); }

bool platform_same_file(const char* first_path, const char* second_path) {
  struct stat first {};
  struct stat second {};
  if (stat(first_path, &first) != 0 || stat(second_path, &second) != 0) return false;
  return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}
