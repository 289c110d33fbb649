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

// Something that is not a regular file where the game expects one (a
// folder, a pipe, a device): refused as "File access denied". A saved game's
// loader tells it apart, since it answers such a path with its own box.
class NotAFileError : public FileError {
public:
    NotAFileError();
};

FileError FileNotFoundError();
FileError InvalidFileNameError();
FileError TooManyOpenFilesError();
FileError AccessDeniedError();
FileError ReadBeyondEndOfFileError();
FileError DiskFullError();
// "I/O error %d" with the system's own code.
FileError OtherIoError(int systemCode);

// The text of the general error report: a full stop is appended when the
// last character's code lies above that of '.'.
std::string ErrorReportText(const std::string& text);

}  // namespace quorbals
