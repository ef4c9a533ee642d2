#include "tests/support/test_platform.h"

#include "driver/platform.h"

std::vector<ShownMessage>& shown_messages() {
  static std::vector<ShownMessage> messages;
  return messages;
}

void platform_show_message(const char* text, const char* title) { shown_messages().push_back({title, text}); }

void platform_exit_fatal() { throw FatalExit{}; }
