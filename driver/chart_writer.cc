// The chart writer.
//
// The chart file is opened in binary mode and this writer turns every line
// feed into CR LF itself, so every build writes the same bytes.  Every write
// and the close are checked: a chart that could not be written completely is
// never reported as a success.
#include "driver/chart_writer.h"

#include <cstring>

#include "driver/messages.h"
#include "driver/platform.h"
#include "driver/workspace.h"

namespace {

void write_buffer_out() {
  if (ws.writing.write_length == 0) return;
  const std::size_t written = std::fwrite(ws.writing.write_buffer, 1, ws.writing.write_length, ws.run.output_file);
  if (written != ws.writing.write_length) {
    show_fatal(kTextWriteFailed, kTitleWriteError, kNoSourceLine, platform_failure_reason());
  }
  ws.writing.write_length = 0;
}

void put_bytes(const char* bytes, std::size_t length) {
  while (length > 0) {
    if (ws.writing.write_length == kWriteBufferCapacity) write_buffer_out();
    const std::size_t room = kWriteBufferCapacity - ws.writing.write_length;
    const std::size_t chunk = length < room ? length : room;
    std::memcpy(ws.writing.write_buffer + ws.writing.write_length, bytes, chunk);
    ws.writing.write_length += chunk;
    bytes += chunk;
    length -= chunk;
  }
}

}  // namespace

void write_chart_text(const char* text) {
  const char* end = text + std::strlen(text);
  while (text < end) {
    const char* line_feed = static_cast<const char*>(std::memchr(text, '\n', static_cast<std::size_t>(end - text)));
    if (line_feed == nullptr) {
      put_bytes(text, static_cast<std::size_t>(end - text));
      return;
    }
    put_bytes(text, static_cast<std::size_t>(line_feed - text));
    put_bytes("\r\n", 2);
    text = line_feed + 1;
  }
}

char* chart_line_room() {
  // A line's line feed becomes CR LF in place, the LF where the line's terminator was.
  if (kWriteBufferCapacity - ws.writing.write_length < kChartLineWidth) write_buffer_out();
  return ws.writing.write_buffer + ws.writing.write_length;
}

// Most lines hold neither a NUL (which ends the text early) nor a line feed
// before their last byte: they stay where they were composed, their line
// feed made CR LF.  Any other line is moved aside and written as a text.
void chart_line_composed(std::size_t length, bool may_break) {
  char* const line = ws.writing.write_buffer + ws.writing.write_length;
  const std::size_t body = length - 1;
  const bool plain =
      !may_break || (std::memchr(line, '\0', body) == nullptr && std::memchr(line, '\n', body) == nullptr);
  if (!plain) {
    std::memcpy(ws.writing.broken_line, line, length + 1);
    write_chart_text(ws.writing.broken_line);
    return;
  }
  line[body] = '\r';
  line[body + 1] = '\n';
  ws.writing.write_length += body + 2;
}

char* chart_bytes_room(std::size_t length) {
  if (kWriteBufferCapacity - ws.writing.write_length < length) write_buffer_out();
  return ws.writing.write_buffer + ws.writing.write_length;
}

void chart_bytes_added(std::size_t length) { ws.writing.write_length += length; }

void finish_chart_file() {
  write_buffer_out();
  std::FILE* file = ws.run.output_file;
  ws.run.output_file = nullptr;
  const bool flushed = std::fflush(file) == 0;
  const bool closed = std::fclose(file) == 0;
  if (!flushed || !closed) show_fatal(kTextWriteFailed, kTitleWriteError, kNoSourceLine, platform_failure_reason());
}
