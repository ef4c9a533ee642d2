// Reads the Fortran source one line (or piece of a long line) at a time.
#pragma once

#include <cstddef>

#include "driver/capacities.h"

// The reader's part of the workspace: raw bytes not yet cut into lines.
struct ReadingPart {
  unsigned char read_buffer[kReadBufferCapacity];
  std::size_t read_position;
  std::size_t read_length;
  bool read_exhausted;
};

// Opens nothing: reads from input_file.  Fills raw_line with the next line,
// at most 151 bytes up to and including its line feed, and a terminator.
// Returns false when the source yields nothing more (end or read error).
bool read_source_line();

// True when a read of the source failed.
bool source_read_failed();
