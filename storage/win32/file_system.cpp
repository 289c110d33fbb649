// The file layer on Windows: the wide (UTF-16) file calls, so that every
// failure keeps its GetLastError code and names outside the system's code
// page work.
#include "storage/file_system.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cwctype>
#include <string_view>

#include "platform/win32/wide_path.h"
#include "storage/file_error.h"
#include "storage/temporary_files.h"
#include "storage/win32/system_file_error.h"

namespace quorbals {

namespace {

// Closes a handle on every way out of a function.
class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (valid()) {
            ::CloseHandle(h_);
        }
    }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
    HANDLE get() const { return h_; }
    // Closes now, so that a failing close can be reported.
    bool Close() {
        const BOOL ok = ::CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
        return ok != FALSE;
    }

private:
    HANDLE h_;
};

[[noreturn]] void ThrowLastError() {
    throw FileErrorFromSystemError(::GetLastError());
}

// True for the names Windows gives its devices in every folder ("NUL",
// "CON", "COM1", ...), with or without an extension, in any letter case,
// and for paths into the device namespace ("\\.\").
bool IsDeviceName(const std::string& path) {
    if (path.size() >= 4 && IsPathSeparator(path[0]) && IsPathSeparator(path[1]) &&
        path[2] == '.' && IsPathSeparator(path[3])) {
        return true;
    }
    std::string base = FileNameOf(path);
    base = base.substr(0, base.find_first_of(".:"));
    while (!base.empty() && base.back() == ' ') {
        base.pop_back();
    }
    std::transform(base.begin(), base.end(), base.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    });
    static constexpr std::array<std::string_view, 6> kDevices = {"CON", "PRN",    "AUX",
                                                                 "NUL", "CONIN$", "CONOUT$"};
    if (std::find(kDevices.begin(), kDevices.end(), base) != kDevices.end()) {
        return true;
    }
    return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) &&
           base[3] >= '1' && base[3] <= '9';
}

DWORD AttributesOf(const std::string& path) {
    try {
        return ::GetFileAttributesW(WidePath(path).c_str());
    } catch (const FileError&) {
        return INVALID_FILE_ATTRIBUTES;
    }
}

bool ProcessIsRunning(unsigned long id) {
    Handle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    if (!process.valid()) {
        // No such process; any other failure (no right to ask) means it runs.
        return ::GetLastError() != ERROR_INVALID_PARAMETER;
    }
    DWORD code = 0;
    return ::GetExitCodeProcess(process.get(), &code) == FALSE || code == STILL_ACTIVE;
}

// Removes the temporary files of writes that were cut off (their process
// is gone; one of this process's own can only be left from a failed
// removal). Whatever fails here loses nothing.
void RemoveLeftoverTemporaries(const std::string& folder) {
    const std::wstring pattern = WidePath(JoinPath(folder, TemporaryFilePattern()));
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    const unsigned long self = ::GetCurrentProcessId();
    do {
        const std::string name = Utf8Path(found.cFileName);
        const auto owner = TemporaryFileOwner(name);
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || !owner) {
            continue;
        }
        if (*owner == self || !ProcessIsRunning(*owner)) {
            ::DeleteFileW(WidePath(JoinPath(folder, name)).c_str());
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

void WriteAll(HANDLE file, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) {
            const DWORD err = ::GetLastError();
            // Whatever stopped a write part-way, the disk could not take it.
            throw done > 0 ? DiskFullError() : FileErrorFromSystemError(err);
        }
        if (written == 0) {
            throw DiskFullError();
        }
        done += written;
    }
}

}  // namespace

bool FileExists(const std::string& path) {
    const DWORD attributes = AttributesOf(path);
    return !IsDeviceName(path) && attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool MakeFolder(const std::string& path) {
    try {
        return ::CreateDirectoryW(WidePath(path).c_str(), nullptr) != FALSE;
    } catch (const FileError&) {
        return false;
    }
}

std::vector<std::uint8_t> ReadFilePrefix(const std::string& path, std::size_t maxBytes) {
    if (IsDeviceName(path)) {
        throw NotAFileError();
    }
    const std::wstring wide = WidePath(path);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        throw NotAFileError();
    }
    Handle file(::CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        ThrowLastError();
    }
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) {
        throw NotAFileError();
    }
    std::vector<std::uint8_t> bytes(maxBytes);
    std::size_t done = 0;
    while (done < maxBytes) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(maxBytes - done, 1 << 20));
        DWORD read = 0;
        if (!::ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr)) {
            if (::GetLastError() == ERROR_HANDLE_EOF) {
                break;
            }
            ThrowLastError();
        }
        if (read == 0) {
            break;
        }
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

void WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (IsDeviceName(path)) {
        throw NotAFileError();
    }
    const std::wstring target = WidePath(path);
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        if (::GetLastError() != ERROR_FILE_NOT_FOUND) {
            ThrowLastError();
        }
    } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        throw NotAFileError();
    } else if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        throw AccessDeniedError();
    }

    const std::string folder = FolderOf(path);
    static unsigned long serial = 0;
    std::wstring temporary;
    HANDLE created = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && created == INVALID_HANDLE_VALUE; ++attempt) {
        temporary =
            WidePath(JoinPath(folder, TemporaryFileName(::GetCurrentProcessId(), serial++)));
        created = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) {
            ThrowLastError();
        }
    }
    Handle file(created);
    if (!file.valid()) {
        throw AccessDeniedError();
    }
    try {
        WriteAll(file.get(), bytes);
        if (!::FlushFileBuffers(file.get()) || !file.Close()) {
            ThrowLastError();
        }
        if (!::MoveFileExW(temporary.c_str(), target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            ThrowLastError();
        }
    } catch (...) {
        if (file.valid()) {
            file.Close();
        }
        ::DeleteFileW(temporary.c_str());
        throw;
    }
    RemoveLeftoverTemporaries(folder);
}

bool RemoveFile(const std::string& path) {
    try {
        return ::DeleteFileW(WidePath(path).c_str()) != FALSE;
    } catch (const FileError&) {
        return false;
    }
}

}  // namespace quorbals
