// Decoding and measuring statement text for the views.
//
// CP932 is decoded by a table generated from the system's iconv, so it agrees
// with what `iconv -f CP932` makes of the Shift-JIS chart; widths come from a
// table of ranges generated from Unicode's East Asian Width property (both by
// scripts/make_text_tables.py).
#include "driver/source_decoding.h"

#include "driver/workspace.h"

namespace {

#include "driver/cp932_table.inc"

enum WidthClass : std::uint8_t { kZeroWidth, kWide, kAmbiguous };

struct WidthRange {
  char32_t first;
  char32_t last;
  WidthClass width_class;
};

#include "driver/text_width.inc"

constexpr std::size_t kWidthRangeCount = sizeof kWidthRanges / sizeof kWidthRanges[0];

// The range holding the code point, or null when it is one column wide.
const WidthRange* width_range(char32_t code_point) {
  std::size_t low = 0;
  std::size_t high = kWidthRangeCount;
  while (low < high) {
    const std::size_t middle = (low + high) / 2;
    if (kWidthRanges[middle].last < code_point) {
      low = middle + 1;
    } else if (kWidthRanges[middle].first > code_point) {
      high = middle;
    } else {
      return &kWidthRanges[middle];
    }
  }
  return nullptr;
}

// ---- UTF-8 --------------------------------------------------------------------------

// The sequence a lead byte starts: continuation bytes owed and the range of
// the first of them (which rules out overlong forms, surrogates and code
// points past U+10FFFF).
struct Utf8Lead {
  std::uint8_t owed;
  std::uint8_t next_low;
  std::uint8_t next_high;
};

constexpr Utf8Lead utf8_lead(unsigned char byte) {
  if (byte >= 0xC2 && byte <= 0xDF) return {1, 0x80, 0xBF};
  if (byte == 0xE0) return {2, 0xA0, 0xBF};
  if (byte == 0xED) return {2, 0x80, 0x9F};
  if (byte >= 0xE1 && byte <= 0xEF) return {2, 0x80, 0xBF};
  if (byte == 0xF0) return {3, 0x90, 0xBF};
  if (byte >= 0xF1 && byte <= 0xF3) return {3, 0x80, 0xBF};
  if (byte == 0xF4) return {3, 0x80, 0x8F};
  return {0, 0, 0};
}

bool is_noncharacter(char32_t c) { return (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE; }

bool reorders_text(char32_t c) {
  return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// What a view shows for a decoded character.
char32_t shown(char32_t c) {
  if (c == '\t') return ' ';
  if (c < 0x20) return 0x2400 + c;  // the control pictures
  if (c == 0x7F) return 0x2421;     // DEL
  if (c >= 0x80 && c <= 0x9F) return kReplacementCharacter;
  if (is_noncharacter(c) || reorders_text(c)) return kReplacementCharacter;
  return c;
}

DecodedCharacter decode_utf8(const unsigned char* bytes, std::size_t length) {
  const unsigned char lead = bytes[0];
  if (lead < 0x80) return {shown(lead), 1};
  const Utf8Lead sequence = utf8_lead(lead);
  if (sequence.owed == 0 || length <= sequence.owed) return {kReplacementCharacter, 1};
  if (bytes[1] < sequence.next_low || bytes[1] > sequence.next_high) return {kReplacementCharacter, 1};
  char32_t code_point = lead & (0x3F >> sequence.owed);
  for (std::uint32_t i = 1; i <= sequence.owed; ++i) {
    if ((bytes[i] & 0xC0) != 0x80) return {kReplacementCharacter, 1};
    code_point = (code_point << 6) | (bytes[i] & 0x3Fu);
  }
  return {shown(code_point), sequence.owed + 1u};
}

// ---- CP932 --------------------------------------------------------------------------

bool is_cp932_lead(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

std::uint32_t cp932_pair_index(unsigned char lead, unsigned char trail) {
  const std::uint32_t lead_index = lead <= 0x9F ? lead - 0x81u : lead - 0xE0u + (0x9F - 0x81 + 1);
  return lead_index * 192 + (trail - 0x40u);
}

DecodedCharacter decode_cp932(const unsigned char* bytes, std::size_t length) {
  const unsigned char lead = bytes[0];
  if (lead < 0x80) return {shown(lead), 1};
  if (!is_cp932_lead(lead)) {
    const char32_t single = kCp932Single[lead - 0x80];
    return {single != 0 ? shown(single) : kReplacementCharacter, 1};
  }
  if (length < 2 || bytes[1] < 0x40) return {kReplacementCharacter, 1};
  const char32_t pair = kCp932Double[cp932_pair_index(lead, bytes[1])];
  if (pair == 0) return {kReplacementCharacter, 1};
  return {shown(pair), 2};
}

}  // namespace

void note_source_bytes(const unsigned char* bytes, std::size_t length) {
  DecodingPart& d = ws.decoding;
  for (std::size_t i = 0; i < length; ++i) {
    const unsigned char byte = bytes[i];
    if (d.utf8_owed > 0) {
      if (byte < d.utf8_next_low || byte > d.utf8_next_high) {
        d.utf8_invalid = true;
        d.utf8_owed = 0;
      } else {
        --d.utf8_owed;
        d.utf8_next_low = 0x80;
        d.utf8_next_high = 0xBF;
        continue;
      }
    }
    if (byte < 0x80) continue;
    d.non_ascii_seen = true;
    const Utf8Lead sequence = utf8_lead(byte);
    if (sequence.owed == 0) {
      d.utf8_invalid = true;
    } else {
      d.utf8_owed = sequence.owed;
      d.utf8_next_low = sequence.next_low;
      d.utf8_next_high = sequence.next_high;
    }
  }
}

void decide_source_encoding() {
  switch (ws.run.view.source_encoding) {
    case SourceEncoding::kCp932:
      ws.decoding.text_is_utf8 = false;
      break;
    case SourceEncoding::kUtf8:
      ws.decoding.text_is_utf8 = true;
      break;
    case SourceEncoding::kDetect:
      // A sequence cut off by the end of the source is no UTF-8 either.
      ws.decoding.text_is_utf8 =
          ws.decoding.non_ascii_seen && !ws.decoding.utf8_invalid && ws.decoding.utf8_owed == 0;
      break;
  }
}

DecodedCharacter decode_character(const char* bytes, std::size_t length) {
  const auto* unsigned_bytes = reinterpret_cast<const unsigned char*>(bytes);
  return ws.decoding.text_is_utf8 ? decode_utf8(unsigned_bytes, length) : decode_cp932(unsigned_bytes, length);
}

DecodedCharacter decode_utf8_character(const char* bytes, std::size_t length) {
  return decode_utf8(reinterpret_cast<const unsigned char*>(bytes), length);
}

std::uint32_t display_width(char32_t code_point, bool ambiguous_wide) {
  if (code_point < 0x7F) return 1;
  const WidthRange* range = width_range(code_point);
  if (range == nullptr) return 1;
  switch (range->width_class) {
    case kZeroWidth:
      return 0;
    case kWide:
      return 2;
    case kAmbiguous:
      return ambiguous_wide ? 2 : 1;
  }
  return 1;
}

bool is_ambiguous_width(char32_t code_point) {
  const WidthRange* range = width_range(code_point);
  return range != nullptr && range->width_class == kAmbiguous;
}


std::uint32_t chart_width(char32_t code_point, std::uint32_t length) {
  if (!ws.decoding.text_is_utf8) return length;
  if (code_point == kReplacementCharacter && length == 1) return 1;
  return display_width(code_point, true);
}

std::uint32_t text_chart_columns(const char* bytes, std::size_t length) {
  if (!ws.decoding.text_is_utf8) return static_cast<std::uint32_t>(length);
  std::uint32_t columns = 0;
  for (std::size_t at = 0; at < length;) {
    const DecodedCharacter character = decode_character(bytes + at, length - at);
    columns += chart_width(character.code_point, character.length);
    at += character.length;
  }
  return columns;
}
