// The HTML Help library of the system, "HHCTRL.OCX", loaded by name when
// the program starts, and its entry "HtmlHelpA".
#pragma once

#include <windows.h>

#include <string>

namespace quorbals {

// Loads the library and looks up the entry, once; later calls do nothing.
// A missing library or entry leaves the help silent for the whole run.
void LoadHelpLibrary();

// Whether the entry was found.
bool HelpAvailable();

// Opens the viewer on the topic "quorbals.htm" of `helpFile` (UTF-8, handed
// on as the A entry reads it) for `caller`, which owns the viewer; the
// result is ignored.
void ShowHelpTopic(HWND caller, const std::string& helpFile);

}  // namespace quorbals
