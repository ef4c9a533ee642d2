// The open-file and save-file dialogs of the main dialog's OK button.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>
#include <string_view>

struct FileDialogSettings {
  const wchar_t* default_extension;
  const wchar_t* initial_name;
  DWORD flags;
  // Pairs of "caption|pattern|", closed by one more "|".
  const wchar_t* filter;
};

inline constexpr FileDialogSettings kSourceFileDialog{
    L"f90", L"*.f90", OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
    L"f90ファイル(*.f90)|*.f90|txtファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*||"};

// The user confirms both the creation of a new chart file and the
// replacement of an existing one.
inline constexpr FileDialogSettings kChartFileDialog{
    L"txt", L"", OFN_CREATEPROMPT | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
    L"txtファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*||"};

// The filter in the form the common dialogs take: every "|" becomes a NUL, so
// the closing "||" ends the list with two NULs.
std::wstring dialog_filter(std::wstring_view bar_separated);

// Shows the dialog owned by owner; the chosen full path, or nothing when the
// user cancels.
bool ask_for_source_file(HWND owner, std::wstring& path);
bool ask_for_chart_file(HWND owner, std::wstring& path);
