// The application: one main dialog, run once.
#pragma once

class ChartApp {
 public:
  // Runs the main dialog to its end.  Returns false: the program has nothing
  // left to do once the dialog has closed.
  bool InitInstance();
};
