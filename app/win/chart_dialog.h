// The main dialog: its OK button asks for the source and the chart file and
// runs the conversion; every way of closing it ends the program.
#pragma once

#include <windows.h>

#include <cstddef>

#include "app/win/modal_dialog.h"

class ChartDialog : public ModalDialog {
 public:
  ChartDialog();

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, INT_PTR& result) override;

 private:
  bool OnSysCommand(UINT id, LPARAM parameter);
  bool OnPaint();
  HCURSOR OnQueryDragIcon() const;

  void add_about_entry();
  bool choose_paths();

  // Any path the file dialogs deliver (MAX_PATH UTF-16 units), in UTF-8:
  // at most three bytes a unit, so a Japanese path is never refused.
  static constexpr std::size_t kPathCapacity = MAX_PATH * 3 + 1;

  char source_path[kPathCapacity] = {};
  char chart_path[kPathCapacity] = {};
  HICON dialog_icon;
};
