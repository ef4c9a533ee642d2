// File access of the programs that run on POSIX systems (the command line,
// the tests, the benchmarks): paths are passed to the C library unchanged.
#include <sys/stat.h>

#include <cstdio>

#include "driver/platform.h"

std::FILE* platform_open_file(const char* path, const char* mode) { return std::fopen(path, mode); }

bool platform_same_file(const char* first_path, const char* second_path) {
  struct stat first {};
  struct stat second {};
  if (stat(first_path, &first) != 0 || stat(second_path, &second) != 0) return false;
  return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}
