// A modal dialog on a dialog template, run by DialogBoxParamW.
//
// The dialog procedure finds the object through the window's user data and
// hands the messages a dialog needs to its virtual handlers.  Everything a
// handler leaves alone goes to the system's default dialog handling.  The
// dialog opens centred over its owner.
#pragma once

#include <windows.h>

class ModalDialog {
 public:
  explicit ModalDialog(int template_id) : template_id_(template_id) {}
  virtual ~ModalDialog() = default;
  ModalDialog(const ModalDialog&) = delete;
  ModalDialog& operator=(const ModalDialog&) = delete;

  // Shows the dialog and returns once it has ended, with the value it ended
  // with (IDOK, IDCANCEL), or -1 when it could not be created.
  INT_PTR DoModal(HWND owner = nullptr);

 protected:
  HWND window() const { return window_; }

  // TRUE gives the focus to the default control.
  virtual BOOL OnInitDialog() { return TRUE; }
  virtual void OnOK() { EndDialog(window_, IDOK); }
  // Also reached by the Escape key and the close box of the caption.
  virtual void OnCancel() { EndDialog(window_, IDCANCEL); }

  // Any other message; true when handled, with the dialog procedure's value
  // in result.
  virtual bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, INT_PTR& result);

 private:
  static INT_PTR CALLBACK dialog_procedure(HWND window, UINT message, WPARAM wparam,
                                           LPARAM lparam);
  INT_PTR dispatch(UINT message, WPARAM wparam, LPARAM lparam);
  INT_PTR dispatch_command(WORD id);

  int template_id_;
  HWND window_ = nullptr;
};
