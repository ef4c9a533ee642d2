// The about box, opened from the main dialog's system menu.
#pragma once

#include "app/win/modal_dialog.h"
#include "app/win/resource_ids.h"

// Everything it shows comes from its template; OK closes it.
class AboutDialog : public ModalDialog {
 public:
  AboutDialog() : ModalDialog(IDD_ABOUT_DIALOG) {}
};
