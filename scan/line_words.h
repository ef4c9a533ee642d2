// A line and its masks read eight bytes at a time (see note [word-compare]
// in scan/matcher.cc): the buffers have a word of room past their last
// byte, and the bytes a comparison does not cover are masked off.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

static_assert(std::endian::native == std::endian::little, "the word masks assume little-endian words");

// Eight blanks: the word of a mask whose columns are all free.
inline constexpr std::uint64_t kBlankWord = 0x2020202020202020;

inline std::uint64_t word_at(const char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

// The low `count` bytes of a word (count at most 8).
inline std::uint64_t byte_mask(std::uint32_t count) {
  return count >= 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * count)) - 1;
}

// The text of a line ends at its first line feed, NUL or 0xFF.
constexpr bool ends_text_byte(unsigned c) { return c == '\0' || c == '\n' || c == 0xFF; }
