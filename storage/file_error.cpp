#include "storage/file_error.h"

#include <sys/stat.h>

#include <cerrno>

#include "storage/posix_file.h"

namespace quorbals {

FileError ReadBeyondEndOfFileError() {
    return {kReadBeyondEndOfFile, "Read beyond end of file"};
}

FileError DiskFullError() {
    return {kDiskFull, "Disk full"};
}

FileError AccessDeniedError() {
    return {kFileAccessDenied, "File access denied"};
}

std::string ErrorReportText(const std::string& text) {
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') {
        return text + '.';
    }
    return text;
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
