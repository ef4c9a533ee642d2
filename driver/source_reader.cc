// The source reader.
//
// The source is opened in binary mode on every platform and this reader does
// the text-mode translation itself, so every build sees the same lines: each
// CR LF pair becomes a line feed before the stream is cut into lines, a CR on
// its own stays, and a Ctrl-Z byte is ordinary data.  A line is cut as a
// C-library line read with a 152-byte limit cuts it: at most 151 bytes,
// ending after its line feed, so a longer line arrives in several pieces.
#include "driver/source_reader.h"

#include "driver/workspace.h"

namespace {

constexpr int kEndOfSource = -1;

bool refill() {
  if (ws.read_exhausted) return false;
  ws.read_position = 0;
  ws.read_length = std::fread(ws.read_buffer, 1, kReadBufferCapacity, ws.input_file);
  if (ws.read_length == 0) ws.read_exhausted = true;
  return ws.read_length > 0;
}

int next_raw_byte() {
  if (ws.read_position == ws.read_length && !refill()) return kEndOfSource;
  return ws.read_buffer[ws.read_position++];
}

int peek_raw_byte() {
  if (ws.read_position == ws.read_length && !refill()) return kEndOfSource;
  return ws.read_buffer[ws.read_position];
}

int next_text_byte() {
  const int byte = next_raw_byte();
  if (byte == '\r' && peek_raw_byte() == '\n') return next_raw_byte();
  return byte;
}

}  // namespace

bool read_source_line() {
  std::size_t length = 0;
  while (length < kMaxPieceLength) {
    const int byte = next_text_byte();
    if (byte == kEndOfSource) break;
    ws.raw_line[length++] = static_cast<char>(byte);
    if (byte == '\n') break;
  }
  ws.raw_line[length] = '\0';
  return length > 0;
}

bool source_read_failed() { return std::ferror(ws.input_file) != 0; }
