// How a stage shows a message: through the platform, which ends the process
// after a fatal one.
#include "driver/messages.h"

#include <cstdio>

#include "driver/platform.h"
#include "driver/view_writer.h"
#include "driver/workspace.h"

void show_warning(const char* text, const char* title, std::uint32_t source_line, const char* reason) {
  const Message message{text, title, source_line, reason, false};
  if (view_chosen()) note_view_warning(message);
  platform_show_message(message);
}

void show_fatal(const char* text, const char* title, std::uint32_t source_line, const char* reason) {
  platform_show_message(Message{text, title, source_line, reason, true});
  platform_exit_fatal();
}

const char* reason_with_number(const char* before, std::uint32_t number, const char* after) {
  std::snprintf(ws.run.reason, sizeof ws.run.reason, "%s%u%s", before, static_cast<unsigned>(number), after);
  return ws.run.reason;
}
