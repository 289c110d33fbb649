// Taking paths apart, the same way on every platform: the separators are
// the platform's (see IsPathSeparator).
#include "storage/file_system.h"

namespace quorbals {

namespace {

// Length of a drive prefix such as "C:" (Windows only).
std::size_t DriveLength(const std::string& path) {
    if (kPathSeparator == '\\' && path.size() >= 2 && path[1] == ':') {
        return 2;
    }
    return 0;
}

std::size_t LastSeparator(const std::string& path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        if (IsPathSeparator(path[i - 1])) {
            return i - 1;
        }
    }
    return std::string::npos;
}

}  // namespace

std::string FolderOf(const std::string& path) {
    const std::size_t drive = DriveLength(path);
    const std::size_t last = LastSeparator(path);
    if (last == std::string::npos || last < drive) {
        return path.substr(0, drive) + ".";
    }
    if (last == drive) {
        return path.substr(0, drive + 1);  // the root
    }
    return path.substr(0, last);
}

std::string FileNameOf(const std::string& path) {
    const std::size_t last = LastSeparator(path);
    if (last == std::string::npos) {
        return path.substr(DriveLength(path));
    }
    return path.substr(last + 1);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || IsPathSeparator(folder.back())) {
        return folder + name;
    }
    return folder + kPathSeparator + name;
}

}  // namespace quorbals
