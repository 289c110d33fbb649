#include "storage/file_error.h"

namespace quorbals {

NotAFileError::NotAFileError() : FileError(AccessDeniedError()) {}

FileError FileNotFoundError() {
    return {kFileNotFound, "File not found"};
}

FileError InvalidFileNameError() {
    return {kInvalidFileName, "Invalid file name"};
}

FileError TooManyOpenFilesError() {
    return {kTooManyOpenFiles, "Too many open files"};
}

FileError AccessDeniedError() {
    return {kFileAccessDenied, "File access denied"};
}

FileError ReadBeyondEndOfFileError() {
    return {kReadBeyondEndOfFile, "Read beyond end of file"};
}

FileError DiskFullError() {
    return {kDiskFull, "Disk full"};
}

FileError OtherIoError(int systemCode) {
    return {systemCode, "I/O error " + std::to_string(systemCode)};
}

std::string ErrorReportText(const std::string& text) {
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') {
        return text + '.';
    }
    return text;
}

}  // namespace quorbals
