#include "app/win/text_conversion.h"

#include <windows.h>

std::wstring wide_from_utf8(const char* text) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  if (length <= 1) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), length);
  wide.resize(static_cast<std::size_t>(length - 1));  // drop the converted NUL
  return wide;
}

bool utf8_into_buffer(const std::wstring& text, char* buffer, std::size_t capacity) {
  if (capacity == 0) return false;
  buffer[0] = '\0';
  const int needed = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (needed <= 0 || static_cast<std::size_t>(needed) > capacity) return false;
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, buffer, needed, nullptr, nullptr);
  return true;
}
