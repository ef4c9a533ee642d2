#include "app/win/file_dialogs.h"

#include <algorithm>

namespace {

// The longest path the dialogs deliver, as in the classic file dialogs.
constexpr DWORD kPathCharacters = MAX_PATH;

using DialogFunction = BOOL(WINAPI*)(OPENFILENAMEW*);

bool ask_for_file(HWND owner, const FileDialogSettings& settings, DialogFunction show,
                  std::wstring& path) {
  const std::wstring filter = dialog_filter(settings.filter);
  wchar_t chosen[kPathCharacters] = {};
  std::wstring_view initial = settings.initial_name;
  initial.copy(chosen, kPathCharacters - 1);

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = chosen;
  dialog.nMaxFile = kPathCharacters;
  dialog.lpstrDefExt = settings.default_extension;
  dialog.Flags = settings.flags;
  if (!show(&dialog)) return false;
  path = chosen;
  return true;
}

}  // namespace

std::wstring dialog_filter(std::wstring_view bar_separated) {
  std::wstring filter(bar_separated);
  std::replace(filter.begin(), filter.end(), L'|', L'\0');
  return filter;
}

bool ask_for_source_file(HWND owner, std::wstring& path) {
  return ask_for_file(owner, kSourceFileDialog, GetOpenFileNameW, path);
}

bool ask_for_chart_file(HWND owner, std::wstring& path) {
  return ask_for_file(owner, kChartFileDialog, GetSaveFileNameW, path);
}
