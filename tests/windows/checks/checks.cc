#include "checks.h"

#include <windows.h>

#include <cstdio>

namespace {

int passed_count = 0;
int failed_count = 0;

}  // namespace

std::string utf8_from_wide(const std::wstring& text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), length,
                      nullptr, nullptr);
  return utf8;
}

void check(bool passed, const std::string& what) {
  if (passed) {
    ++passed_count;
    return;
  }
  ++failed_count;
  std::printf("FAILED: %s\n", what.c_str());
}

// Embedded NULs are shown as "|" so filter strings stay readable.
void check_text(const std::wstring& actual, const std::wstring& expected, const std::string& what) {
  if (actual == expected) return check(true, what);
  std::wstring shown_actual = actual;
  std::wstring shown_expected = expected;
  for (auto* text : {&shown_actual, &shown_expected}) {
    for (wchar_t& c : *text) c = c == L'\0' ? L'|' : c;
  }
  check(false, what + ": got \"" + utf8_from_wide(shown_actual) + "\", expected \"" +
                   utf8_from_wide(shown_expected) + "\"");
}

void check_number(long long actual, long long expected, const std::string& what) {
  if (actual == expected) return check(true, what);
  check(false, what + ": got " + std::to_string(actual) + ", expected " + std::to_string(expected));
}

bool report_checks() {
  std::printf("%d passed, %d failed\n", passed_count, failed_count);
  std::fflush(stdout);
  return failed_count == 0;
}
