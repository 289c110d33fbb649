// The browser front end's start-up: the shared order, with the page's
// splash, windows and clock. The page's events then reach the main window
// through the exported entry points.
#pragma once

namespace quorbals {

class TF_Main;

// Runs the start-up; returns once the main window is shown (the page's own
// event handling goes on from there).
int RunQuorbals();

// The main window once start-up has made it, else null.
TF_Main* MainWindow();

}  // namespace quorbals
