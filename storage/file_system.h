// The one place where the game touches files and folders. Each platform
// has its own implementation (storage/posix/, storage/win32/) that keeps the
// system's own error code, so that every failure maps to the game's codes
// and texts. Paths are UTF-8 text on every platform.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quorbals {

// The separator the game writes into paths; Windows also reads '/'.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

constexpr bool IsPathSeparator(char c) {
    return c == kPathSeparator || c == '/';
}

// The folder part of a path, without a trailing separator except at the
// root ("/", "C:\"); "." for a bare name.
std::string FolderOf(const std::string& path);

// The name after the last separator: "game.kvx" for any folder holding it.
std::string FileNameOf(const std::string& path);

// `name` inside `folder`, with one separator between them.
std::string JoinPath(const std::string& folder, const std::string& name);

// True when `path` names a regular file (symbolic links followed).
bool FileExists(const std::string& path);

// True when `path` names a folder.
bool FolderExists(const std::string& path);

// Makes one folder level; false when it could not be made.
bool MakeFolder(const std::string& path);

// Opens a regular file for reading only and returns its first `maxBytes`
// bytes (fewer when it is shorter). Anything else in its place (a folder, a
// pipe, a device) is refused with NotAFileError. Throws FileError.
std::vector<std::uint8_t> ReadFilePrefix(const std::string& path, std::size_t maxBytes);

// Replaces the file at `path` with `bytes` so that it is either wholly the
// old file or wholly the new one: a temporary file in the same folder is
// written, flushed to disk and renamed over the target. On any failure the
// temporary file is removed and the old file is untouched. A target that
// exists but may not be written is refused, as opening it would be; one that
// is not a regular file is refused with NotAFileError. After a successful
// write, temporary files that earlier writes of the game left in that
// folder (their process ended before it could remove them) are removed.
// Throws FileError.
void WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

// Deletes a file; false when that failed (a missing file included).
bool RemoveFile(const std::string& path);

}  // namespace quorbals
