// Conversions between the conversion's UTF-8 strings and the wide strings of
// the Windows API.
#pragma once

#include <cstddef>
#include <string>

// The UTF-8 text as UTF-16; invalid sequences become U+FFFD.
std::wstring wide_from_utf8(const char* text);

// Writes the text as NUL-terminated UTF-8 into buffer.  When it does not fit
// in capacity bytes (the NUL included) the buffer is left empty and the result
// is false: a path is never cut short into the name of another file.
bool utf8_into_buffer(const std::wstring& text, char* buffer, std::size_t capacity);
