#include "platform/win32/help_library.h"

#include "platform/win32/ansi_path.h"

namespace quorbals {

namespace {

using HtmlHelpAEntry = HWND(WINAPI*)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);

constexpr UINT kDisplayTopic = 0;  // HH_DISPLAY_TOPIC
constexpr char kTopic[] = "quorbals.htm";

bool loaded = false;
HMODULE helpLibraryHandle = nullptr;
HtmlHelpAEntry htmlHelpEntry = nullptr;

}  // namespace

void LoadHelpLibrary() {
    if (loaded) {
        return;
    }
    loaded = true;
    helpLibraryHandle = LoadLibraryA("HHCTRL.OCX");
    if (helpLibraryHandle) {
        htmlHelpEntry = reinterpret_cast<HtmlHelpAEntry>(
            reinterpret_cast<void*>(GetProcAddress(helpLibraryHandle, "HtmlHelpA")));
    }
}

bool HelpAvailable() {
    return htmlHelpEntry != nullptr;
}

void ShowHelpTopic(HWND caller, const std::string& helpFile) {
    if (!htmlHelpEntry) {
        return;
    }
    const std::string file = AnsiPath(helpFile);
    htmlHelpEntry(caller, file.c_str(), kDisplayTopic, reinterpret_cast<DWORD_PTR>(kTopic));
}

}  // namespace quorbals
