// Reads the Fortran source one line (or piece of a long line) at a time.
#pragma once

// Opens nothing: reads from input_file.  Fills raw_line with the next line,
// at most 151 bytes up to and including its line feed, and a terminator.
// Returns false when the source yields nothing more (end or read error).
bool read_source_line();

// True when a read of the source failed.
bool source_read_failed();
