// The source reader.
//
// The source is opened in binary mode on every platform and this reader does
// the text-mode translation itself, so every build sees the same lines: each
// CR LF pair becomes a line feed before the stream is cut into lines, a CR on
// its own stays, and a Ctrl-Z byte is ordinary data.  A line is cut as a
// C-library line read with a 152-byte limit cuts it: at most 151 bytes,
// ending after its line feed, so a longer line arrives in several pieces;
// each piece knows whether it continues the physical line of the one before.
#include "driver/source_reader.h"

#include <cstring>

#include "driver/source_decoding.h"
#include "driver/view_writer.h"
#include "driver/workspace.h"

namespace {

constexpr int kEndOfSource = -1;

// Most sources hold no CR, or one a line: the buffer is searched for CRs
// once per CR instead of once per line.
void find_next_cr() {
  const unsigned char* const from = ws.reading.read_buffer + ws.reading.read_position;
  const void* cr = std::memchr(from, '\r', ws.reading.read_length - ws.reading.read_position);
  ws.reading.next_cr = cr != nullptr ? static_cast<std::size_t>(static_cast<const unsigned char*>(cr) - ws.reading.read_buffer)
                                     : ws.reading.read_length;
}

bool refill() {
  if (ws.reading.read_exhausted) return false;
  ws.reading.read_position = 0;
  ws.reading.read_length = std::fread(ws.reading.read_buffer, 1, kReadBufferCapacity, ws.run.input_file);
  if (ws.reading.read_length == 0) ws.reading.read_exhausted = true;
  find_next_cr();
  // The views decide the source's encoding from all of its bytes.
  if (view_chosen()) note_source_bytes(ws.reading.read_buffer, ws.reading.read_length);
  return ws.reading.read_length > 0;
}

int next_raw_byte() {
  if (ws.reading.read_position == ws.reading.read_length && !refill()) return kEndOfSource;
  return ws.reading.read_buffer[ws.reading.read_position++];
}

int peek_raw_byte() {
  if (ws.reading.read_position == ws.reading.read_length && !refill()) return kEndOfSource;
  return ws.reading.read_buffer[ws.reading.read_position];
}

int next_text_byte() {
  const int byte = next_raw_byte();
  if (byte == '\r' && peek_raw_byte() == '\n') return next_raw_byte();
  return byte;
}

// A UTF-8 byte-order mark (EF BB BF), as editors write it at the start of a
// file, says how the file is encoded; it is no text of the first line.
void skip_byte_order_mark() {
  ws.reading.past_source_start = true;
  if (ws.reading.read_position == ws.reading.read_length && !refill()) return;
  if (ws.reading.read_length - ws.reading.read_position < 3) return;
  const unsigned char* bytes = ws.reading.read_buffer + ws.reading.read_position;
  if (bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) ws.reading.read_position += 3;
}

// Copies source bytes into raw_line at `length` up to the first line feed or
// CR, or until the piece is full or the buffered bytes end.  Returns the new
// length; the byte that stopped the copy, if any, is still unread.
std::size_t copy_ordinary_bytes(std::size_t length) {
  const unsigned char* chunk = ws.reading.read_buffer + ws.reading.read_position;
  const std::size_t available = ws.reading.read_length - ws.reading.read_position;
  const std::size_t room = kMaxPieceLength - length;
  std::size_t span = available < room ? available : room;
  if (ws.reading.next_cr < ws.reading.read_position) find_next_cr();  // the last CR was read
  const std::size_t before_cr = ws.reading.next_cr - ws.reading.read_position;
  if (before_cr < span) span = before_cr;
  if (const void* feed = std::memchr(chunk, '\n', span)) span = static_cast<std::size_t>(static_cast<const unsigned char*>(feed) - chunk);
  std::memcpy(ws.run.raw_line + length, chunk, span);
  ws.reading.read_position += span;
  return length + span;
}

}  // namespace

bool read_source_line() {
  if (!ws.reading.past_source_start) skip_byte_order_mark();
  ws.reading.piece_continues_line = ws.reading.next_piece_continues_line;
  std::size_t length = 0;
  while (length < kMaxPieceLength) {
    if (ws.reading.read_position == ws.reading.read_length && !refill()) break;
    length = copy_ordinary_bytes(length);
    if (length == kMaxPieceLength || ws.reading.read_position == ws.reading.read_length) continue;
    const int byte = next_text_byte();  // a line feed, or a CR (with the line feed after it, if any)
    ws.run.raw_line[length++] = static_cast<char>(byte);
    if (byte == '\n') break;
  }
  ws.run.raw_line[length] = '\0';
  if (length > 0 && !ws.reading.piece_continues_line) ++ws.reading.source_line;
  // Only a piece that filled the buffer before its line ended has a sequel.
  ws.reading.next_piece_continues_line = length == kMaxPieceLength && ws.run.raw_line[length - 1] != '\n';
  return length > 0;
}

bool source_read_failed() { return std::ferror(ws.run.input_file) != 0; }
