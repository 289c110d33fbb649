#include "storage/file_error.h"

#include <sys/stat.h>

#include <cerrno>

namespace quorbals {

namespace {

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    if (slash == 0) {
        return "/";
    }
    return path.substr(0, slash);
}

bool FolderExists(const std::string& folder) {
    struct stat st {};
    return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

FileError ReadBeyondEndOfFileError() {
    return {kReadBeyondEndOfFile, "Read beyond end of file"};
}

FileError DiskFullError() {
    return {kDiskFull, "Disk full"};
}

FileError AccessDeniedError() {
    return {kFileAccessDenied, "File access denied"};
}

FileError FileErrorFromErrno(int err, const std::string& path) {
    switch (err) {
        case ENOENT:
            if (!FolderExists(FolderOf(path))) {
                return {kInvalidFileName, "Invalid file name"};
            }
            return {kFileNotFound, "File not found"};
        case ENOTDIR:
        case ENAMETOOLONG:
            return {kInvalidFileName, "Invalid file name"};
        case EMFILE:
        case ENFILE:
            return {kTooManyOpenFiles, "Too many open files"};
        case EACCES:
        case EPERM:
        case EROFS:
            return AccessDeniedError();
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return DiskFullError();
        default:
            return {err, "I/O error " + std::to_string(err)};
    }
}

}  // namespace quorbals
