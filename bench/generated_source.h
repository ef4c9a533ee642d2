// The generated Fortran sources the stage benchmarks run on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/memory_platform.h"

struct GeneratedSource {
  std::string path;
  std::string text;
  std::size_t byte_count = 0;
  // The source as the source reader hands it to convert_line: pieces of at
  // most 151 bytes, each ending after its line feed (or at the source's end).
  std::vector<SourcePiece> pieces;
};

// The plain source of `line_count` lines that the build generated with
// generate_fortran.py (see bench/CMakeLists.txt); read once, then kept.
const GeneratedSource& generated_source(std::int64_t line_count);
