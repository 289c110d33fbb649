// ExeDir on Windows: the folder of the running program file, as the system
// names it, in UTF-8 and ending with a backslash.
#include "platform/exe_dir.h"

#include <windows.h>

#include <string>

#include "platform/win32/wide_path.h"

namespace quorbals {

std::string ExeDir() {
    // Long paths need more than MAX_PATH; grow until the name fits.
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (size == 0) {
            return ".\\";
        }
        if (size < buffer.size()) {
            buffer.resize(size);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    const std::size_t slash = buffer.find_last_of(L"\\/");
    if (slash == std::wstring::npos) {
        return ".\\";
    }
    buffer.resize(slash + 1);
    return Utf8Path(buffer);
}

}  // namespace quorbals
