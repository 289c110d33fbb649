// A failed file operation, with the code and text that the error report
// shows. Thrown by every file function of storage/; the text carries no
// closing full stop (the report adds it).
#pragma once

#include <exception>
#include <string>

namespace quorbals {

enum FileErrorCode : int {
    kFileNotFound = 2,
    kInvalidFileName = 3,
    kTooManyOpenFiles = 4,
    kFileAccessDenied = 5,
    kReadBeyondEndOfFile = 100,
    kDiskFull = 101,
};

class FileError : public std::exception {
public:
    FileError(int code, std::string text) : code_(code), text_(std::move(text)) {}

    int code() const noexcept { return code_; }
    const std::string& text() const noexcept { return text_; }
    const char* what() const noexcept override { return text_.c_str(); }

    friend bool operator==(const FileError& a, const FileError& b) {
        return a.code_ == b.code_ && a.text_ == b.text_;
    }

private:
    int code_;
    std::string text_;
};

// Maps an errno value of an operation on `path` to the game's code and
// text. ENOENT counts as an invalid name when the folder of `path` is
// missing, as a missing file otherwise.
FileError FileErrorFromErrno(int err, const std::string& path);

FileError ReadBeyondEndOfFileError();
FileError DiskFullError();
FileError AccessDeniedError();

// The text as the error report shows it: a full stop is appended when the
// last character's code lies above that of '.' (so "Disk full" gets one,
// "...!" does not).
std::string ErrorReportText(const std::string& text);

}  // namespace quorbals
