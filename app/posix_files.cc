// File access of the programs that run on POSIX systems (the command line
// and its tests): paths are passed to the C library unchanged, except that
// "-" alone is standard input (to read) or standard output (to write).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "driver/platform.h"

namespace {

bool is_standard_stream(const char* path) { return std::strcmp(path, "-") == 0; }

// A stream of its own on a copy of the descriptor, so that closing it leaves
// the program's standard streams alone.
std::FILE* open_standard_stream(int descriptor, const char* mode) {
  const int copy = dup(descriptor);
  if (copy < 0) return nullptr;
  std::FILE* file = fdopen(copy, mode);
  if (file == nullptr) close(copy);
  return file;
}

// Reading: anything that opens and is not a directory.
std::FILE* open_for_reading(const char* path) {
  const int descriptor = open(path, O_RDONLY);
  if (descriptor < 0) return nullptr;
  struct stat status {};
  if (fstat(descriptor, &status) != 0 || S_ISDIR(status.st_mode)) {
    const int reason = S_ISDIR(status.st_mode) ? EISDIR : errno;
    close(descriptor);
    errno = reason;
    return nullptr;
  }
  std::FILE* file = fdopen(descriptor, "rb");
  if (file == nullptr) close(descriptor);
  return file;
}

bool identity_of(const char* path, int standard_descriptor, struct stat& status) {
  if (is_standard_stream(path)) return fstat(standard_descriptor, &status) == 0;
  return stat(path, &status) == 0;
}

}  // namespace

std::FILE* platform_open_file(const char* path, const char* mode) {
  const bool reading = mode[0] == 'r';
  if (is_standard_stream(path)) return open_standard_stream(reading ? STDIN_FILENO : STDOUT_FILENO, mode);
  return reading ? open_for_reading(path) : std::fopen(path, mode);
}

// The source is always the first path and the chart the second.  Only a
// regular file can be lost by writing the chart over it (a terminal may well
// be standard input and output at once).
bool platform_same_file(const char* first_path, const char* second_path) {
  struct stat first {};
  struct stat second {};
  if (!identity_of(first_path, STDIN_FILENO, first) || !identity_of(second_path, STDOUT_FILENO, second)) return false;
  return S_ISREG(first.st_mode) && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

const char* platform_failure_reason() { return std::strerror(errno); }
