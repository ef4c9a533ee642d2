// Compiles one keyword pattern text into its token slots.
#pragma once

#include <cstdint>

#include "driver/capacities.h"

// Neighbour classes and boundary kinds (1 to 4): a token occurrence is
// accepted when each of its kinds is at least the class of the character on
// that side.
inline constexpr std::uint32_t kClassBlank = 1;        // blank, tab, the line's edge
inline constexpr std::uint32_t kClassPunctuation = 2;  // ASCII punctuation but "-"
inline constexpr std::uint32_t kClassHyphen = 3;       // "-"
inline constexpr std::uint32_t kClassOther = 4;        // letters, digits, bytes from 0x80

struct PatternToken {
  char text[kTokenTextCapacity];
  std::uint32_t length;
  std::uint32_t left_kind;   // the highest neighbour class accepted before it
  std::uint32_t right_kind;  // the highest neighbour class accepted after it
};

struct CompiledPattern {
  std::uint32_t token_count;
  PatternToken tokens[kTokensPerPattern];
};

// The compiler's part of the workspace, filled once at the start of a run.
struct PatternPart {
  std::uint32_t compile_row;  // the row being compiled
  CompiledPattern compiled_patterns[kCompiledPatternCapacity];
  // The numbers of the last rows whose first token begins with ";" and "&".
  // They always equal kRowSemicolon and kRowAmpersand, which is what the
  // stages use.
  std::uint32_t semicolon_row;
  std::uint32_t ampersand_row;
};

// Compiles the pattern text standing in work_line into row compile_row of
// compiled_patterns and updates semicolon_row / ampersand_row.  Returns the
// number of tokens; the caller stores it as the row's token_count.
std::uint32_t compile_pattern();
