#include "platform/exe_dir.h"

#include <filesystem>
#include <system_error>

namespace quorbals {

std::string ExeDir() {
    std::error_code error;
    // /proc/self/exe already names the real file, whatever link started it.
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    std::filesystem::path dir;
    if (!error && exe.is_absolute()) {
        dir = exe.parent_path();
    } else {
        dir = std::filesystem::current_path(error);
        if (error) {
            dir = "/";
        }
    }
    std::string text = dir.native();
    if (text.empty() || text.back() != '/') {
        text += '/';
    }
    return text;
}

}  // namespace quorbals
