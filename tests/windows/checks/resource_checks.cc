// The programs' resources as the system will find them: both dialog
// templates control by control, the about entry's string, the icon and the
// version resource.  The programs are loaded as data, never run.
#include "resource_checks.h"

#include <windows.h>

#include <string>
#include <vector>

#include "checks.h"
#include "dialog_template.h"

namespace {

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kStaticClass = 0x0082;
constexpr DWORD kNoId = 0xFFFFFFFF;
constexpr WORD kIconId = 128;

struct ExpectedItem {
  WORD window_class;
  DWORD id;
  short x, y, width, height;
  const wchar_t* text;  // nullptr: the icon resource instead of a text
  DWORD style;
};

struct ExpectedDialog {
  int id;
  short width, height;
  DWORD style;
  DWORD ex_style;
  const wchar_t* title;
  WORD point_size;
  std::vector<ExpectedItem> items;
};

constexpr DWORD kPlainControl = WS_CHILD | WS_VISIBLE;

ExpectedDialog main_dialog() {
  return {102, 162, 79,
          DS_MODALFRAME | WS_MINIMIZEBOX | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_SETFONT,
          WS_EX_APPWINDOW, L"Kumetra  Brandolk", 14,
          {{kButtonClass, IDOK, 98, 29, 50, 14, L"OK", kPlainControl | WS_TABSTOP | BS_DEFPUSHBUTTON},
           {kButtonClass, IDCANCEL, 97, 51, 50, 14, L"ｷｬﾝｾﾙ", kPlainControl | WS_TABSTOP | BS_PUSHBUTTON},
           {kStaticClass, kNoId, 13, 13, 114, 8, L"FORTRAN フローチャート自動生成",
            kPlainControl | WS_GROUP | SS_LEFT},
           {kStaticClass, kNoId, 28, 26, 47, 8, L"（コメント除去）", kPlainControl | WS_GROUP | SS_LEFT}}};
}

ExpectedDialog about_dialog(bool meridol) {
  return {100, 235, 55, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT, 0,
          meridol ? L"FORTRANMeridol(純)のﾊﾞｰｼﾞｮﾝ情報  Brandolk"
                  : L"FORTRANSorvane(純)のﾊﾞｰｼﾞｮﾝ情報  Brandolk",
          9,
          {{kStaticClass, kNoId, 11, 17, 20, 20, nullptr, kPlainControl | SS_ICON},
           {kStaticClass, kNoId, 40, 10, 119, 8, L"KMT Version 1.0",
            kPlainControl | WS_GROUP | SS_LEFT | SS_NOPREFIX},
           {kButtonClass, IDOK, 178, 7, 50, 14, L"OK",
            kPlainControl | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON},
           {kStaticClass, kNoId, 41, 39, 111, 8, L"Brandolk  MADE IN JAPAN",
            kPlainControl | WS_GROUP | SS_LEFT}}};
}

struct ResourceData {
  const void* bytes = nullptr;
  DWORD size = 0;
};

ResourceData find_resource(HMODULE program, const wchar_t* type, WORD id) {
  const HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(id), type);
  if (found == nullptr) return {};
  const HGLOBAL loaded = LoadResource(program, found);
  return {loaded != nullptr ? LockResource(loaded) : nullptr, SizeofResource(program, found)};
}

// A template names a predefined class by its ordinal or by its name.
bool is_class(const NameOrOrdinal& window_class, WORD ordinal) {
  if (window_class.ordinal != 0) return window_class.ordinal == ordinal;
  const wchar_t* name = ordinal == kButtonClass ? L"button" : L"static";
  return CompareStringOrdinal(window_class.text.c_str(), -1, name, -1, TRUE) == CSTR_EQUAL;
}

void check_item(const DialogItem& item, const ExpectedItem& expected, const std::string& where) {
  check(is_class(item.window_class, expected.window_class),
        where + (expected.window_class == kButtonClass ? " is a button" : " is a static control"));
  check_number(item.id, expected.id, where + " id");
  check_number(item.x, expected.x, where + " x");
  check_number(item.y, expected.y, where + " y");
  check_number(item.width, expected.width, where + " width");
  check_number(item.height, expected.height, where + " height");
  check_number(item.style, expected.style, where + " style");
  if (expected.text != nullptr) {
    check_text(item.text.text, expected.text, where + " text");
  } else {
    check_number(item.text.ordinal, kIconId, where + " icon");
  }
}

void check_dialog(HMODULE program, const ExpectedDialog& expected, const std::string& edition) {
  const std::string where = edition + " dialog " + std::to_string(expected.id);
  const ResourceData data = find_resource(program, RT_DIALOG, static_cast<WORD>(expected.id));
  check(data.bytes != nullptr, where + " exists");
  if (data.bytes == nullptr) return;
  const DialogTemplate dialog = read_dialog_template(data.bytes, data.size);
  check(dialog.complete, where + " is a complete extended template");
  check_number(dialog.width, expected.width, where + " width");
  check_number(dialog.height, expected.height, where + " height");
  check_number(dialog.style, expected.style, where + " style");
  check_number(dialog.ex_style, expected.ex_style, where + " extended style");
  check_text(dialog.title, expected.title, where + " title");
  check_number(dialog.point_size, expected.point_size, where + " font size");
  check_text(dialog.typeface, L"ＭＳ Ｐゴシック", where + " font");
  check(dialog.menu.text.empty() && dialog.menu.ordinal == 0, where + " has no menu");
  check_number(static_cast<long long>(dialog.items.size()), static_cast<long long>(expected.items.size()),
               where + " control count");
  std::size_t index = 0;
  for (const ExpectedItem& item : expected.items) {
    if (index >= dialog.items.size()) break;
    check_item(dialog.items[index], item, where + " control " + std::to_string(index + 1));
    ++index;
  }
}

void check_about_entry(HMODULE program, const std::string& edition) {
  wchar_t entry[128] = {};
  const int length = LoadStringW(program, 101, entry, 128);
  check_text(std::wstring(entry, length > 0 ? length : 0), L"KMT のﾊﾞｰｼﾞｮﾝ情報(&A)...",
             edition + " string 101");
}

#pragma pack(push, 2)
struct IconGroupEntry {
  BYTE width;
  BYTE height;
  BYTE colour_count;
  BYTE reserved;
  WORD planes;
  WORD bit_count;
  DWORD size;
  WORD id;
};
#pragma pack(pop)

// Icon 128 must hold a 32 x 32 and a 16 x 16 image that the system can turn
// into icons.
void check_icon(HMODULE program, const std::string& edition) {
  const std::string where = edition + " icon 128";
  const ResourceData group = find_resource(program, RT_GROUP_ICON, kIconId);
  check(group.bytes != nullptr && group.size >= 6, where + " exists");
  if (group.bytes == nullptr || group.size < 6) return;
  const auto* header = static_cast<const WORD*>(group.bytes);
  const WORD count = header[2];
  check(group.size >= 6 + count * sizeof(IconGroupEntry), where + " lists its images");
  const auto* entries = reinterpret_cast<const IconGroupEntry*>(header + 3);
  for (int size : {32, 16}) {
    const std::string image = where + " " + std::to_string(size) + "x" + std::to_string(size);
    const IconGroupEntry* entry = nullptr;
    for (WORD i = 0; i < count; ++i) {
      if (entries[i].width == size && entries[i].height == size) entry = &entries[i];
    }
    check(entry != nullptr, image + " listed");
    if (entry == nullptr) continue;
    const ResourceData bits = find_resource(program, RT_ICON, entry->id);
    check(bits.bytes != nullptr && bits.size == entry->size, image + " present");
    if (bits.bytes == nullptr) continue;
    const HICON icon = CreateIconFromResourceEx(static_cast<BYTE*>(const_cast<void*>(bits.bytes)),
                                                bits.size, TRUE, 0x00030000, size, size, 0);
    check(icon != nullptr, image + " usable");
    if (icon != nullptr) DestroyIcon(icon);
  }
}

std::wstring version_text(const void* block, const wchar_t* name) {
  void* value = nullptr;
  UINT length = 0;
  const std::wstring path = std::wstring(L"\\StringFileInfo\\041104b0\\") + name;
  if (!VerQueryValueW(block, path.c_str(), &value, &length) || value == nullptr) return L"(missing)";
  return static_cast<const wchar_t*>(value);
}

void check_version_numbers(const void* block, const std::string& where) {
  void* value = nullptr;
  UINT length = 0;
  check(VerQueryValueW(block, L"\\", &value, &length) && length >= sizeof(VS_FIXEDFILEINFO),
        where + " fixed part");
  if (value == nullptr) return;
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  check_number(fixed->dwFileVersionMS, 0x00010000, where + " file version 1.0");
  check_number(fixed->dwFileVersionLS, 0x00000001, where + " file version 0.1");
  check_number(fixed->dwProductVersionMS, 0x00010000, where + " product version 1.0");
  check_number(fixed->dwProductVersionLS, 0x00000001, where + " product version 0.1");
  check_number(fixed->dwFileType, VFT_APP, where + " file type");

  value = nullptr;
  check(VerQueryValueW(block, L"\\VarFileInfo\\Translation", &value, &length) && length >= 4,
        where + " translation");
  if (value == nullptr) return;
  check_number(static_cast<const WORD*>(value)[0], 0x0411, where + " language");
  check_number(static_cast<const WORD*>(value)[1], 1200, where + " code page");
}

void check_version(const std::wstring& program_path, bool meridol, const std::string& edition) {
  const std::string where = edition + " version resource";
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(program_path.c_str(), &ignored);
  check(size > 0, where + " exists");
  if (size == 0) return;
  std::string block(size, '\0');
  check(GetFileVersionInfoW(program_path.c_str(), 0, size, block.data()) != 0, where + " readable");
  check_version_numbers(block.data(), where);

  const wchar_t* meridol_name = L"FORTRANMeridol純";
  const struct {
    const wchar_t* name;
    const wchar_t* expected;
  } texts[] = {
      {L"CompanyName", L"Brandolk"},
      {L"ProductName", meridol ? meridol_name : L"KMT ｱﾌﾟﾘｹｰｼｮﾝ"},
      {L"FileDescription", meridol ? meridol_name : L"KMT MFC ｱﾌﾟﾘｹｰｼｮﾝ"},
      {L"InternalName", meridol ? meridol_name : L"KMT"},
      {L"OriginalFilename", meridol ? meridol_name : L"KMT.EXE"},
      {L"FileVersion", L"1, 0, 0, 1"},
      {L"ProductVersion", L"1, 0, 0, 1"},
  };
  for (const auto& text : texts) {
    check_text(version_text(block.data(), text.name), text.expected,
               where + " " + utf8_from_wide(text.name));
  }
}

}  // namespace

void check_program_resources(const std::wstring& program_path, bool meridol) {
  const std::string edition = meridol ? "meridol" : "sorvane";
  const HMODULE program = LoadLibraryExW(program_path.c_str(), nullptr,
                                         LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  check(program != nullptr, edition + " program loads as data");
  if (program == nullptr) return;
  check_dialog(program, main_dialog(), edition);
  check_dialog(program, about_dialog(meridol), edition);
  check_about_entry(program, edition);
  check_icon(program, edition);
  FreeLibrary(program);
  check_version(program_path, meridol, edition);
}
