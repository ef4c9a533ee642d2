// The Windows checks: run under Wine from the folder that holds both programs.
#include <windows.h>

#include <string>

#include "checks.h"
#include "resource_checks.h"
#include "shell_checks.h"

namespace {

std::wstring own_folder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

}  // namespace

int wmain() {
  const std::wstring folder = own_folder();
  check_program_resources(folder + L"kmt_sorvane.exe", false);
  check_program_resources(folder + L"kmt_meridol.exe", true);
  check_file_dialogs();
  check_text_conversion();
  check_platform();
  return report_checks() ? 0 : 1;
}
