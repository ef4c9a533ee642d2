// Reads the Fortran source one line (or piece of a long line) at a time.
#pragma once

#include <cstddef>
#include <cstdint>

#include "driver/capacities.h"

// The reader's part of the workspace: raw bytes not yet cut into lines, and
// where the piece in raw_line stands in its physical line.
struct ReadingPart {
  std::size_t read_position;
  std::size_t read_length;
  bool read_exhausted;
  bool past_source_start;  // the byte-order mark test has been made
  // The piece in raw_line continues the physical line of the piece before
  // it, which filled the buffer without a line feed; and the next piece will
  // continue this one's.
  bool piece_continues_line;
  bool next_piece_continues_line;
  // The physical line of the piece in raw_line, from 1: a line feed ends a
  // line (CR LF counts once, a lone CR ends none); the pieces of a long line
  // share its number.
  std::uint32_t source_line;
  // Where in read_buffer the first CR at or after read_position stands, or
  // read_length when no CR is buffered there; behind read_position once that
  // CR is read.
  std::size_t next_cr;
  // ---- Tables: written before they are read, never cleared ----
  unsigned char read_buffer[kReadBufferCapacity];  // read_length bytes read
};

// Opens nothing: reads from input_file.  Fills raw_line with the next line,
// at most 151 bytes up to and including its line feed, and a terminator, and
// notes whether it continues the line of the piece before it.  A UTF-8
// byte-order mark at the very start of the source is no part of the first
// line.  Returns false when the source yields nothing more (end or read
// error).
bool read_source_line();

// True when a read of the source failed.
bool source_read_failed();
