#include "app/win/modal_dialog.h"

#include <algorithm>

namespace {

RECT work_area() {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

// Over the owner when it is on the screen, else in the middle of the work
// area; never pushed off the work area.
void center_window(HWND window) {
  const RECT area = work_area();
  RECT reference = area;
  const HWND owner = GetWindow(window, GW_OWNER);
  if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &reference);
  RECT own;
  GetWindowRect(window, &own);
  const LONG width = own.right - own.left;
  const LONG height = own.bottom - own.top;
  LONG x = (reference.left + reference.right - width) / 2;
  LONG y = (reference.top + reference.bottom - height) / 2;
  x = std::max(area.left, std::min(x, area.right - width));
  y = std::max(area.top, std::min(y, area.bottom - height));
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

INT_PTR ModalDialog::DoModal(HWND owner) {
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(template_id_), owner,
                         dialog_procedure, reinterpret_cast<LPARAM>(this));
}

bool ModalDialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

// A few messages (the font, the sizing) arrive before WM_INITDIALOG, while the
// window does not yet know its object; they get the default handling.
INT_PTR CALLBACK ModalDialog::dialog_procedure(HWND window, UINT message, WPARAM wparam,
                                               LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    reinterpret_cast<ModalDialog*>(lparam)->window_ = window;
    SetWindowLongPtrW(window, DWLP_USER, lparam);
  }
  auto* dialog = reinterpret_cast<ModalDialog*>(GetWindowLongPtrW(window, DWLP_USER));
  return dialog != nullptr ? dialog->dispatch(message, wparam, lparam) : FALSE;
}

INT_PTR ModalDialog::dispatch(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: {
      const BOOL default_focus = OnInitDialog();
      center_window(window_);
      return default_focus;
    }
    case WM_COMMAND:
      return dispatch_command(LOWORD(wparam));
    default: {
      INT_PTR result = FALSE;
      return OnMessage(message, wparam, lparam, result) ? result : FALSE;
    }
  }
}

// The OK and Cancel buttons; the system turns the Enter and Escape keys and
// the caption's close box into these commands as well.
INT_PTR ModalDialog::dispatch_command(WORD id) {
  if (id == IDOK) {
    OnOK();
  } else if (id == IDCANCEL) {
    OnCancel();
  } else {
    return FALSE;
  }
  return TRUE;
}
