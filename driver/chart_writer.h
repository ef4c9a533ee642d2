// Writes the composed chart to output_file.
#pragma once

#include <cstddef>

#include "driver/capacities.h"

// The writer's part of the workspace: line-end-translated bytes not yet written.
struct WritingPart {
  std::size_t write_length;
  // ---- Tables: written before they are read, never cleared ----
  char write_buffer[kWriteBufferCapacity];  // write_length bytes not yet written
  char broken_line[kChartLineWidth];         // a line with a NUL or a line feed, moved out of the buffer
};

// Writes a text row up to its terminator; each line feed becomes CR LF.
void write_chart_text(const char* text);

// Room in the writer's buffer to compose a chart line in (kChartLineWidth
// bytes), written out first when it has less.
char* chart_line_room();
// Writes the line composed at chart_line_room: `length` bytes whose last is
// its line feed, and a terminator after it, exactly as write_chart_text
// would write it.  Only a line that `may_break` is searched for a NUL or a
// line feed before its last byte; one that may not must hold neither.
void chart_line_composed(std::size_t length, bool may_break);

// Room for `length` more bytes in the writer's buffer, written out first
// when it has less; the bytes put there count once chart_bytes_added says so.
// For the views, which write their lines without line-end translation.
char* chart_bytes_room(std::size_t length);
void chart_bytes_added(std::size_t length);

// Writes what is buffered and closes output_file.  Ends the run with the
// write-error message when any write or the close failed.
void finish_chart_file();
