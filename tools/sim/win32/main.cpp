// quorbals-sim on Windows. The arguments come as UTF-8 text, so that file
// names outside the system's code page work, and the standard streams are
// binary, so that lines end in "\n" and traces match byte for byte.
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/wide_path.h"
#include "tools/sim/simulation.h"

int main() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);

    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> texts;
    for (int i = 1; i < count; ++i) {
        texts.push_back(quorbals::Utf8Path(wide[i]));
    }
    ::LocalFree(wide);

    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(texts.begin(), texts.end());
    return quorbals::sim::SimMain(args, std::cout, std::cerr);
}
