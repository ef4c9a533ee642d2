#include "tests/support/test_platform.h"

#include <sys/stat.h>

#include <cstdio>

#include "driver/platform.h"

std::vector<ShownMessage>& shown_messages() {
  static std::vector<ShownMessage> messages;
  return messages;
}

void platform_show_message(const char* text, const char* title) { shown_messages().push_back({title, text}); }

void platform_exit_fatal() { throw FatalExit{}; }

std::FILE* platform_open_file(const char* path, const char* mode) { return std::fopen(path, mode); }

bool platform_same_file(const char* first_path, const char* second_path) {
  struct stat first {};
  struct stat second {};
  if (stat(first_path, &first) != 0 || stat(second_path, &second) != 0) return false;
  return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}
