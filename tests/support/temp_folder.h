// A fresh folder under the system's temporary folder, removed with all its
// content when the test ends, and a scope that changes the current folder.
// Paths are UTF-8 text with the platform's separator, as the game's file
// layer takes them. Portable: the Windows build runs these tests too.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "storage/file_system.h"

namespace quorbals::test {

// The standard library's path for UTF-8 text, on every platform.
inline std::filesystem::path FsPath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const std::filesystem::path candidate =
                base / ("quorbals-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(candidate)) {
                path_ = Utf8Of(candidate);
            }
        }
        if (path_.empty()) {
            throw std::runtime_error("cannot make a temporary folder");
        }
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ec;
        // Make read-only folders and files removable again.
        for (auto it = std::filesystem::recursive_directory_iterator(FsPath(path_), ec);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
            std::filesystem::permissions(
                it->path(),
                std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                    (it->is_directory(ec) ? std::filesystem::perms::owner_exec
                                          : std::filesystem::perms::none),
                std::filesystem::perm_options::add, ec);
        }
        std::filesystem::remove_all(FsPath(path_), ec);
    }

    const std::string& path() const { return path_; }
    // The folder with a trailing separator, as the program folder's text is.
    std::string dir() const { return path_ + kPathSeparator; }
    std::string operator/(const std::string& name) const { return path_ + kPathSeparator + name; }

    // Writes `content` to `name` inside the folder, making the folders on
    // the way ('/' separates them on every platform); returns the file's path.
    std::string Write(const std::string& name, const std::string& content) const {
        std::filesystem::path file = FsPath(path_) / FsPath(name);
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        if (!out) {
            throw std::runtime_error("cannot write " + name);
        }
        return Utf8Of(file.make_preferred());
    }

private:
    std::string path_;
};

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(FsPath(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(FsPath(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Names in a folder, hidden ones included (left-over temporary files show).
inline std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(FsPath(folder))) {
        names.push_back(Utf8Of(e.path().filename()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Marks a file read-only for everybody (on Windows: its read-only flag).
inline void MakeReadOnly(const std::string& path) {
    std::filesystem::permissions(FsPath(path), std::filesystem::perms::owner_read |
                                                   std::filesystem::perms::group_read |
                                                   std::filesystem::perms::others_read);
}

// Changes the current folder for one scope.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& folder) : saved_(std::filesystem::current_path()) {
        std::filesystem::current_path(FsPath(folder));
    }
    ~CurrentFolder() {
        std::error_code ignored;
        std::filesystem::current_path(saved_, ignored);
    }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::filesystem::path saved_;
};

}  // namespace quorbals::test
