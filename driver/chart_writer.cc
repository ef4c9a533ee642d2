// The chart writer.
//
// The chart file is opened in binary mode and this writer turns every line
// feed into CR LF itself, so every build writes the same bytes.  Every write
// and the close are checked: a chart that could not be written completely is
// never reported as a success.
#include "driver/chart_writer.h"

#include "driver/messages.h"
#include "driver/workspace.h"

namespace {

void write_buffer_out() {
  if (ws.write_length == 0) return;
  const std::size_t written = std::fwrite(ws.write_buffer, 1, ws.write_length, ws.output_file);
  if (written != ws.write_length) show_fatal(kTextWriteFailed, kTitleWriteError);
  ws.write_length = 0;
}

void put_byte(char byte) {
  if (ws.write_length == kWriteBufferCapacity) write_buffer_out();
  ws.write_buffer[ws.write_length++] = byte;
}

}  // namespace

void write_chart_text(const char* text) {
  for (; *text != '\0'; ++text) {
    if (*text == '\n') put_byte('\r');
    put_byte(*text);
  }
}

void finish_chart_file() {
  write_buffer_out();
  std::FILE* file = ws.output_file;
  ws.output_file = nullptr;
  const bool flushed = std::fflush(file) == 0;
  const bool closed = std::fclose(file) == 0;
  if (!flushed || !closed) show_fatal(kTextWriteFailed, kTitleWriteError);
}
