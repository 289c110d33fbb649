#include "storage/posix/errno_file_error.h"

#include <cerrno>

#include "storage/file_system.h"

namespace quorbals {

FileError FileErrorFromErrno(int err, const std::string& path) {
    switch (err) {
        case ENOENT:
            if (!FolderExists(FolderOf(path))) {
                return InvalidFileNameError();
            }
            return FileNotFoundError();
        case ENOTDIR:
        case ENAMETOOLONG:
            return InvalidFileNameError();
        case EMFILE:
        case ENFILE:
            return TooManyOpenFilesError();
        case EACCES:
        case EPERM:
        case EROFS:
            return AccessDeniedError();
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return DiskFullError();
        default:
            return OtherIoError(err);
    }
}

}  // namespace quorbals
