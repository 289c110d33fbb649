#include "platform/qt/help_library.h"

#include <dlfcn.h>

#include "platform/exe_dir.h"

namespace quorbals {
namespace {

// The library stays loaded for the run: its entry is called until the end.
void* g_handle = nullptr;
HtmlHelpFunction g_entry = nullptr;

}  // namespace

void LoadHelpLibrary() {
    LoadHelpLibrary(ExeDir() + kHelpLibraryFileName);
}

void LoadHelpLibrary(const std::string& libraryPath) {
    g_handle = nullptr;
    g_entry = nullptr;
    // A full path, so that only the library beside the program is taken.
    void* handle = dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        return;
    }
    g_handle = handle;
    g_entry = reinterpret_cast<HtmlHelpFunction>(dlsym(handle, kHtmlHelpEntryName));
}

HtmlHelpFunction HtmlHelpEntry() {
    return g_entry;
}

void SetHtmlHelpEntry(HtmlHelpFunction entry) {
    g_entry = entry;
}

void ShowHelpContents(QWidget* caller, const std::string& helpFile) {
    if (g_entry == nullptr) {
        return;
    }
    g_entry(caller, helpFile.c_str(), kHhDisplayTopic,
            reinterpret_cast<std::uintptr_t>(kHelpMainTopic));
}

}  // namespace quorbals
