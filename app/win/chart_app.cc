#include "app/win/chart_app.h"

#include <windows.h>

#include "app/win/chart_dialog.h"

// The dialogs use the standard controls only, so nothing needs initialising
// before the main dialog is shown.  Its result does not matter: every way it
// ends, the program ends.
bool ChartApp::InitInstance() {
  ChartDialog dialog;
  dialog.DoModal(nullptr);
  return false;
}

namespace {

ChartApp the_app;

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  the_app.InitInstance();
  return 0;
}
