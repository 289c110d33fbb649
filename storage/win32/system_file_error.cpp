#include "storage/win32/system_file_error.h"

#include <windows.h>

#include "platform/win32/wide_path.h"

namespace quorbals {

FileError FileErrorFromSystemError(unsigned long error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
            return FileNotFoundError();
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_DIRECTORY:
            return InvalidFileNameError();
        case ERROR_TOO_MANY_OPEN_FILES:
            return TooManyOpenFilesError();
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
            return AccessDeniedError();
        case ERROR_HANDLE_EOF:
            return ReadBeyondEndOfFileError();
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return DiskFullError();
        default:
            return OtherIoError(static_cast<int>(error));
    }
}

std::wstring WidePath(const std::string& utf8) {
    std::optional<std::wstring> wide = WideText(utf8);
    if (!wide) {
        throw InvalidFileNameError();
    }
    return std::move(*wide);
}

}  // namespace quorbals
