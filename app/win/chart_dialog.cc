#include "app/win/chart_dialog.h"

#include <string>

#include "app/win/about_dialog.h"
#include "app/win/file_dialogs.h"
#include "app/win/resource_ids.h"
#include "app/win/text_conversion.h"
#include "driver/conversion_run.h"

namespace {

constexpr int kMenuTextCapacity = 128;

}  // namespace

ChartDialog::ChartDialog()
    : ModalDialog(IDD_CHART_DIALOG),
      dialog_icon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_APP_ICON))) {}

BOOL ChartDialog::OnInitDialog() {
  add_about_entry();
  SendMessageW(window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(dialog_icon));
  SendMessageW(window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(dialog_icon));
  return TRUE;
}

void ChartDialog::add_about_entry() {
  const HMENU system_menu = GetSystemMenu(window(), FALSE);
  wchar_t entry[kMenuTextCapacity] = {};
  const int length =
      LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUT_ENTRY, entry, kMenuTextCapacity);
  if (system_menu == nullptr || length <= 0) return;
  AppendMenuW(system_menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(system_menu, MF_STRING, IDM_ABOUT_ENTRY, entry);
}

// The program makes at most one conversion: OK ends the dialog whether the
// chart was written or a file dialog was cancelled.  A fatal problem ends the
// process inside run_conversion.
void ChartDialog::OnOK() {
  if (choose_paths()) run_conversion(source_path, chart_path);
  ModalDialog::OnOK();
}

// Cancel, the Escape key and the close box end the program without converting.
void ChartDialog::OnCancel() { ModalDialog::OnCancel(); }

// The buffers hold any path the dialogs deliver; should one ever not fit, it
// is handed on empty, so the run reports that the file cannot be opened
// rather than opening another one.
bool ChartDialog::choose_paths() {
  std::wstring source;
  std::wstring chart;
  if (!ask_for_source_file(window(), source) || !ask_for_chart_file(window(), chart)) return false;
  utf8_into_buffer(source, source_path, kPathCapacity);
  utf8_into_buffer(chart, chart_path, kPathCapacity);
  return true;
}

bool ChartDialog::OnMessage(UINT message, WPARAM wparam, LPARAM lparam, INT_PTR& result) {
  switch (message) {
    case WM_SYSCOMMAND:
      result = TRUE;
      return OnSysCommand(static_cast<UINT>(wparam), lparam);
    case WM_PAINT:
      result = TRUE;
      return OnPaint();
    case WM_QUERYDRAGICON:
      result = reinterpret_cast<INT_PTR>(OnQueryDragIcon());
      return true;
    default:
      return false;
  }
}

bool ChartDialog::OnSysCommand(UINT id, LPARAM) {
  if ((id & 0xFFF0) != IDM_ABOUT_ENTRY) return false;
  AboutDialog about;
  about.DoModal(window());
  return true;
}

// Only the minimised dialog is painted here: the icon, centred.
bool ChartDialog::OnPaint() {
  if (!IsIconic(window())) return false;
  PAINTSTRUCT paint;
  const HDC context = BeginPaint(window(), &paint);
  SendMessageW(window(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(context), 0);
  RECT client;
  GetClientRect(window(), &client);
  const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(context, x, y, dialog_icon);
  EndPaint(window(), &paint);
  return true;
}

// The cursor shown while the minimised dialog is dragged.
HCURSOR ChartDialog::OnQueryDragIcon() const { return static_cast<HCURSOR>(dialog_icon); }
