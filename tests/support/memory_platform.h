// The in-memory platform of every in-process host of the conversion: the
// unit tests, the fuzz targets and the benchmarks.
//
// A file opened for reading holds the source bytes set here; a file opened
// for writing collects the chart in memory (or discards it); every message is
// recorded; a fatal message throws FatalExit, which the host catches where
// the process would have ended.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A message as shown: two messages are equal when their titles and texts
// are, as a message box shows them; the line and the reason are checked
// where a test asks for them.
struct ShownMessage {
  ShownMessage(std::string shown_title, std::string shown_text, std::uint32_t line = 0, std::string why = {})
      : title(std::move(shown_title)), text(std::move(shown_text)), source_line(line), reason(std::move(why)) {}
  std::string title;
  std::string text;
  std::uint32_t source_line;
  std::string reason;
  bool operator==(const ShownMessage& other) const { return title == other.title && text == other.text; }
};

// Thrown where the platform would end the process with status 1.
struct FatalExit {};

// Every message shown since the last clear, oldest first.
std::vector<ShownMessage>& shown_messages();

// What opening a source gives: these bytes (the caller keeps them alive), or,
// after forget_source, nothing at all (the source cannot be opened).
void set_source(std::string_view bytes);
void forget_source();

// Whether opening a chart collects its bytes (the default) or discards them.
void discard_charts(bool discard);

// The bytes of the chart last written, once its stream is closed; empties it.
std::string take_chart();

// For hosts that feed lines themselves: opens input_file on `bytes`, with the
// source reader at its start.
void open_source_in_memory(std::string_view bytes);

// Closes whatever file a run (or a fatal end of one) left open.
void close_files_left_open();

// Returns the workspace to its process-start state after a run, clearing only
// what a run can have touched: every part up to its tables, which the stages
// always write before they read them.  A process makes one run; hosts that
// make many in one process call this between them.
void clear_workspace_after_run();

// A piece as the source reader delivers it: raw_line's text (up to its first
// NUL, as far as every stage reads it) and whether it continues the line of
// the piece before it.
struct SourcePiece {
  std::string text;
  bool continues_line;
};

// The source cut into its pieces.
std::vector<SourcePiece> read_pieces(std::string_view source);

// Puts a piece in raw_line, as the reader would have.
void load_piece(const SourcePiece& piece);
