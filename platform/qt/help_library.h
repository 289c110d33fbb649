// The help library: loaded once at start-up, then asked to show the help.
//
// The library libquorbals-help.so lies beside the program and exports one
// entry, HtmlHelpA (see the type below). Without the library or its entry
// the help command stays silent for the whole run.
#pragma once

#include <cstdint>
#include <string>

class QWidget;

namespace quorbals {

// extern "C" void* HtmlHelpA(void* caller, const char* helpFile,
//                            unsigned int command, uintptr_t data)
using HtmlHelpFunction = void* (*)(void* caller, const char* helpFile, unsigned int command,
                                   std::uintptr_t data);

inline constexpr const char* kHelpLibraryFileName = "libquorbals-help.so";
inline constexpr const char* kHtmlHelpEntryName = "HtmlHelpA";
// Shows the topic named by data (a zero-terminated file name in the help).
inline constexpr unsigned int kHhDisplayTopic = 0;
inline constexpr const char* kHelpMainTopic = "quorbals.htm";

// Loads ExeDir() + kHelpLibraryFileName and stores its entry. Call before
// the application object exists. The library is never unloaded.
void LoadHelpLibrary();
// The same with a full library path (tests point it at a fake library).
// A later call replaces what an earlier one stored.
void LoadHelpLibrary(const std::string& libraryPath);

// The stored entry; nullptr when loading failed.
HtmlHelpFunction HtmlHelpEntry();
// Tests may store an entry of their own (nullptr makes help silent).
void SetHtmlHelpEntry(HtmlHelpFunction entry);

// The help command: with an entry stored, asks it to show the main topic of
// helpFile (full path, UTF-8) on behalf of the caller window; the result is
// ignored. Without an entry it does nothing.
void ShowHelpContents(QWidget* caller, const std::string& helpFile);

}  // namespace quorbals
