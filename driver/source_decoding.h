// The source's own characters, for the UTF-8 and HTML views: which encoding
// the source is in, how its bytes decode, and how wide a terminal shows them.
//
// The Shift-JIS chart copies source bytes unchanged and never comes here.
#pragma once

#include <cstddef>
#include <cstdint>

// The decoder's part of the workspace: what the reader has seen of the
// source, so the encoding can be decided once all of it has been read.
struct DecodingPart {
  // UTF-8 validation across read buffers: continuation bytes still owed by
  // the sequence in progress, and the range its next byte must lie in.
  std::uint8_t utf8_owed;
  std::uint8_t utf8_next_low;
  std::uint8_t utf8_next_high;
  bool utf8_invalid;       // some byte sequence is no UTF-8
  bool non_ascii_seen;     // some byte is 0x80 or above
  bool text_is_utf8;       // decided: statement texts are UTF-8 (else CP932)
};

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Takes note of source bytes as they are read.
void note_source_bytes(const unsigned char* bytes, std::size_t length);

// Decides the encoding of the statement texts from the view's setting and,
// for detection, from every byte noted: valid UTF-8 with non-ASCII bytes is
// UTF-8, anything else CP932.
void decide_source_encoding();

// One character of statement text, as a view shows it.
struct DecodedCharacter {
  char32_t code_point;  // what to show: never a control character or a noncharacter
  std::uint32_t length; // source bytes it stands for, at least 1
};

// Decodes the character at `bytes` (at most `length` bytes, length > 0) in
// the decided encoding.  A byte that starts no character of it gives U+FFFD
// and stands for itself alone.  Tabs show as a blank, other control
// characters as their control pictures, and characters that would reorder or
// hide text (bidirectional controls, noncharacters) as U+FFFD.
DecodedCharacter decode_character(const char* bytes, std::size_t length);

// Decodes one character of a UTF-8 string (a path, say) the same way.
DecodedCharacter decode_utf8_character(const char* bytes, std::size_t length);

// Columns a statement text takes in a view's chart: the columns it would
// take as CP932 text, where every character of two bytes takes two.  For a
// CP932 source that is its length; a UTF-8 character takes its width on a
// terminal that shows ambiguous-width characters wide, and a byte that is no
// UTF-8 one column.
std::uint32_t chart_width(char32_t code_point, std::uint32_t length);
std::uint32_t text_chart_columns(const char* bytes, std::size_t length);

// Columns a terminal takes for the character: 0, 1 or 2; ambiguous-width
// characters take 2 when `ambiguous_wide`.
std::uint32_t display_width(char32_t code_point, bool ambiguous_wide);

// True when East-Asian width calls the character ambiguous.
bool is_ambiguous_width(char32_t code_point);

// Writes the UTF-8 form of the code point at `to` (room for 4) and returns
// its length.
inline std::uint32_t encode_utf8(char32_t c, char* to) {
  if (c < 0x80) {
    to[0] = static_cast<char>(c);
    return 1;
  }
  if (c < 0x800) {
    to[0] = static_cast<char>(0xC0 | (c >> 6));
    to[1] = static_cast<char>(0x80 | (c & 0x3F));
    return 2;
  }
  if (c < 0x10000) {
    to[0] = static_cast<char>(0xE0 | (c >> 12));
    to[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    to[2] = static_cast<char>(0x80 | (c & 0x3F));
    return 3;
  }
  to[0] = static_cast<char>(0xF0 | (c >> 18));
  to[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
  to[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  to[3] = static_cast<char>(0x80 | (c & 0x3F));
  return 4;
}
