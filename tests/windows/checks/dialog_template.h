// Reads an extended dialog template (the layout DIALOGEX resources compile
// to) back into plain values, so the checks can compare it with what the
// dialogs must look like.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

// A template field that holds either a text or a 16-bit ordinal.
struct NameOrOrdinal {
  std::wstring text;
  WORD ordinal = 0;  // 0 when the field is a text (or absent)
};

struct DialogItem {
  DWORD style = 0;
  DWORD ex_style = 0;
  short x = 0, y = 0, width = 0, height = 0;
  DWORD id = 0;
  NameOrOrdinal window_class;
  NameOrOrdinal text;
};

struct DialogTemplate {
  WORD version = 0;
  WORD signature = 0;
  DWORD style = 0;
  DWORD ex_style = 0;
  short x = 0, y = 0, width = 0, height = 0;
  NameOrOrdinal menu;
  NameOrOrdinal window_class;
  std::wstring title;
  WORD point_size = 0;
  std::wstring typeface;
  std::vector<DialogItem> items;
  bool complete = false;  // false when the data ended early
};

DialogTemplate read_dialog_template(const void* data, std::size_t size);
