// The platform services of the Windows programs.
//
// Every string crosses into the Windows API as UTF-16, so Japanese texts and
// paths work whatever the system's code page.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "app/win/text_conversion.h"
#include "driver/platform.h"

namespace {

// A handle that identifies a file without reading or writing it; directories
// need the backup-semantics flag to be opened at all.
HANDLE open_for_identity(const char* path) {
  return CreateFileW(wide_from_utf8(path).c_str(), 0,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                     OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

bool read_identity(const char* path, BY_HANDLE_FILE_INFORMATION& identity) {
  const HANDLE file = open_for_identity(path);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool known = GetFileInformationByHandle(file, &identity) != 0;
  CloseHandle(file);
  return known;
}

}  // namespace

// The conversion knows no window, so its messages have no owner; the box is
// modal all the same and returns only when its OK has been pressed.
// The box shows the text and title alone, as it always has.
void platform_show_message(const Message& message) {
  MessageBoxW(nullptr, wide_from_utf8(message.text).c_str(), wide_from_utf8(message.title).c_str(), MB_OK);
}

// The message boxes give no reasons.
const char* platform_failure_reason() { return ""; }

void platform_exit_fatal() { std::exit(1); }

std::FILE* platform_open_file(const char* path, const char* mode) {
  return _wfopen(wide_from_utf8(path).c_str(), wide_from_utf8(mode).c_str());
}

bool platform_same_file(const char* first_path, const char* second_path) {
  BY_HANDLE_FILE_INFORMATION first{};
  BY_HANDLE_FILE_INFORMATION second{};
  if (!read_identity(first_path, first) || !read_identity(second_path, second)) return false;
  return first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
         first.nFileIndexHigh == second.nFileIndexHigh &&
         first.nFileIndexLow == second.nFileIndexLow;
}
