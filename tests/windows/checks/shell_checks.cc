#include "shell_checks.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/win/file_dialogs.h"
#include "app/win/text_conversion.h"
#include "checks.h"
#include "driver/platform.h"

using namespace std::string_literals;

void check_file_dialogs() {
  check_text(dialog_filter(kSourceFileDialog.filter),
             L"f90ファイル(*.f90)\0*.f90\0txtファイル(*.txt)\0*.txt\0全てのファイル(*.*)\0*.*\0\0"s,
             "open dialog filter");
  check_text(dialog_filter(kChartFileDialog.filter),
             L"txtファイル(*.txt)\0*.txt\0全てのファイル(*.*)\0*.*\0\0"s, "save dialog filter");

  check_text(kSourceFileDialog.default_extension, L"f90", "open dialog extension");
  check_text(kSourceFileDialog.initial_name, L"*.f90", "open dialog initial name");
  check_number(kSourceFileDialog.flags, 0x1004, "open dialog flags");
  check_text(kChartFileDialog.default_extension, L"txt", "save dialog extension");
  check_text(kChartFileDialog.initial_name, L"", "save dialog initial name");
  check_number(kChartFileDialog.flags, 0x2006, "save dialog flags");
}

void check_text_conversion() {
  const std::wstring name = L"C:\\流れ図\\チャート.txt";
  const std::string utf8 = "C:\\流れ図\\チャート.txt";
  check_text(wide_from_utf8(utf8.c_str()), name, "UTF-8 path to wide");
  check_text(wide_from_utf8(""), L"", "empty text to wide");

  char buffer[64];
  check(utf8_into_buffer(name, buffer, utf8.size() + 1) && utf8 == buffer,
        "wide path into a buffer that just fits");
  std::memset(buffer, 'x', sizeof buffer);
  check(!utf8_into_buffer(name, buffer, utf8.size()), "wide path refused by a buffer one too short");
  check(buffer[0] == '\0', "a refused path leaves the buffer empty");
}

namespace {

std::wstring temporary_folder() {
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  return folder;
}

bool write_file(const std::string& path, const char* bytes) {
  std::FILE* file = platform_open_file(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fputs(bytes, file) >= 0;
  return std::fclose(file) == 0 && written;
}

std::string read_file(const std::string& path) {
  std::FILE* file = platform_open_file(path.c_str(), "rb");
  if (file == nullptr) return "(cannot open)";
  std::string bytes;
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) bytes += static_cast<char>(c);
  std::fclose(file);
  return bytes;
}

}  // namespace

// Files with Japanese names, opened in binary mode: the line feeds stay as
// written.  The same file is recognised through another spelling of its path.
void check_platform() {
  const std::string folder = utf8_from_wide(temporary_folder());
  const std::string chart = folder + "流れ図チェック.txt";
  const std::string other = folder + "流れ図チェック２.txt";
  check(write_file(chart, "a\nb\r\n"), "Japanese path opens for writing");
  check(read_file(chart) == "a\nb\r\n", "bytes read back unchanged");
  check(write_file(other, "c"), "second Japanese path opens for writing");

  std::string respelt = chart;
  respelt.insert(folder.size(), ".\\");
  for (char& c : respelt) c = c == '\\' ? '/' : c;
  check(platform_same_file(chart.c_str(), chart.c_str()), "a file is the same as itself");
  check(platform_same_file(chart.c_str(), respelt.c_str()), "same file through another spelling");
  check(!platform_same_file(chart.c_str(), other.c_str()), "two files are not the same");

  DeleteFileW(std::wstring(wide_from_utf8(other.c_str())).c_str());
  check(!platform_same_file(chart.c_str(), other.c_str()), "a missing file is not the same");
  check(platform_open_file(other.c_str(), "rb") == nullptr, "a missing file does not open");
  DeleteFileW(wide_from_utf8(chart.c_str()).c_str());
}
