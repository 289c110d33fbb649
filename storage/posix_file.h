// The one place where the game touches files. Plain POSIX calls, so that
// every failure keeps its errno and maps to the game's error texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quorbals {

// True when `path` names a regular file (symbolic links followed).
// The folder part of a path: "." for a bare name, "/" at the root.
std::string FolderOf(const std::string& path);

bool FileExists(const std::string& path);

// True when `path` names a folder.
bool FolderExists(const std::string& path);

// Makes one folder level; false when it could not be made.
bool MakeFolder(const std::string& path);

// Opens a regular file for reading only and returns its first `maxBytes`
// bytes (fewer when it is shorter). Throws FileError.
std::vector<std::uint8_t> ReadFilePrefix(const std::string& path, std::size_t maxBytes);

// Replaces the file at `path` with `bytes` so that it is either wholly the
// old file or wholly the new one: a temporary file in the same folder is
// written, flushed to disk and renamed over the target. On any failure the
// temporary file is removed and the old file is untouched. A target that
// exists but may not be written is refused, as opening it would be.
// Throws FileError.
void WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

// Deletes a file; false when that failed (a missing file included).
bool RemoveFile(const std::string& path);

}  // namespace quorbals
