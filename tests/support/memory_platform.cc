#include "tests/support/memory_platform.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "driver/platform.h"
#include "driver/source_reader.h"
#include "driver/workspace.h"

namespace {

struct MemoryFiles {
  std::string_view source;
  bool source_present = true;
  bool discard_charts = false;
  char* chart_buffer = nullptr;  // owned by the memory stream until it is closed
  std::size_t chart_size = 0;
  std::vector<ShownMessage> messages;
};

MemoryFiles files;

std::FILE* open_source_stream() {
  // fmemopen may refuse an empty buffer; an empty source reads as an empty file.
  if (files.source.empty()) return std::fopen("/dev/null", "rb");
  // Opened for reading only, so the bytes are never written through.
  return fmemopen(const_cast<char*>(files.source.data()), files.source.size(), "r");
}

template <typename Part>
void clear_part(Part& part, std::size_t state_bytes = sizeof(Part)) {
  std::memset(static_cast<void*>(&part), 0, state_bytes);
}

void reset_reader() { ws.reading = ReadingPart{}; }

}  // namespace

// ---- The platform ---------------------------------------------------------------

void platform_show_message(const Message& message) {
  files.messages.push_back({message.title, message.text, message.source_line, message.reason});
}

const char* platform_failure_reason() { return files.source_present ? "simulated failure" : "No such file or directory"; }

void platform_exit_fatal() { throw FatalExit{}; }

std::FILE* platform_open_file(const char* /*path*/, const char* mode) {
  if (mode[0] == 'r') return files.source_present ? open_source_stream() : nullptr;
  if (files.discard_charts) return std::fopen("/dev/null", "wb");
  std::free(files.chart_buffer);
  files.chart_buffer = nullptr;
  files.chart_size = 0;
  return open_memstream(&files.chart_buffer, &files.chart_size);
}

// The source and the chart are distinct memory files.
bool platform_same_file(const char* /*first_path*/, const char* /*second_path*/) { return false; }

// ---- The host's side --------------------------------------------------------------

std::vector<ShownMessage>& shown_messages() { return files.messages; }

void set_source(std::string_view bytes) {
  files.source = bytes;
  files.source_present = true;
}

void forget_source() { files.source_present = false; }

void discard_charts(bool discard) { files.discard_charts = discard; }

std::string take_chart() {
  std::string chart(files.chart_buffer != nullptr ? files.chart_buffer : "", files.chart_size);
  std::free(files.chart_buffer);
  files.chart_buffer = nullptr;
  files.chart_size = 0;
  return chart;
}

void open_source_in_memory(std::string_view bytes) {
  if (ws.run.input_file != nullptr) std::fclose(ws.run.input_file);
  set_source(bytes);
  ws.run.input_file = platform_open_file("source.f90", "rb");
  reset_reader();
}

void close_files_left_open() {
  if (ws.run.input_file != nullptr) std::fclose(ws.run.input_file);
  if (ws.run.output_file != nullptr) std::fclose(ws.run.output_file);
  ws.run.input_file = ws.run.output_file = nullptr;
}

std::vector<SourcePiece> read_pieces(std::string_view source) {
  open_source_in_memory(source);
  std::vector<SourcePiece> pieces;
  while (read_source_line()) pieces.push_back({ws.run.raw_line, ws.reading.piece_continues_line});
  std::fclose(ws.run.input_file);
  ws.run.input_file = nullptr;
  reset_reader();
  return pieces;
}

void clear_workspace_after_run() {
  clear_part(ws.run);
  clear_part(ws.reading);
  clear_part(ws.patterns);
  clear_part(ws.normalisation);
  clear_part(ws.matching, offsetof(MatchingPart, row_buckets));
  clear_part(ws.records, offsetof(RecordsPart, statement_table));
  clear_part(ws.tracking, offsetof(TrackingPart, label_stack));
  clear_part(ws.building, offsetof(BuildingPart, closing_rows));
  clear_part(ws.composition, offsetof(CompositionPart, row_widths));
  clear_part(ws.writing);
  clear_part(ws.decoding);
  clear_part(ws.view, offsetof(ViewPart, warnings));
}

void load_piece(const SourcePiece& piece) {
  std::memcpy(ws.run.raw_line, piece.text.c_str(), piece.text.size() + 1);
  ws.reading.piece_continues_line = piece.continues_line;
}
