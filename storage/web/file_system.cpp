// The file layer in the browser. The game's own files (the folder that
// AppDataFolder() names) live in the page's local storage, one key per file
// holding its bytes as base64: setItem replaces a value whole or not at
// all, so a write leaves either the old file or the new one. A saved game
// written anywhere else is handed to the browser as a download under its
// name; one read from anywhere else is a file the player picked, which the
// page keeps in Module.quorbalsFiles.
#include "storage/file_system.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "storage/file_error.h"
#include "platform/web/web_storage.h"

namespace quorbals {

namespace {

// What the storage calls answer besides a length.
constexpr int kMissing = -1;
constexpr int kDenied = -2;  // storage switched off, private mode, no page
constexpr int kFull = -3;    // over the browser's quota

bool InStorage(const std::string& path) {
    const std::string_view prefix = kWebStorageFolder;
    return std::string_view(path).substr(0, prefix.size()) == prefix &&
           (path.size() == prefix.size() || path[prefix.size()] == '/');
}

std::string StorageKey(const std::string& path) {
    return std::string(kWebStorageKeyPrefix) + path;
}

FileError ErrorFor(int status) {
    switch (status) {
        case kFull:
            return DiskFullError();
        case kDenied:
            return AccessDeniedError();
        case kMissing:
        default:
            return FileNotFoundError();
    }
}

}  // namespace

// clang-format off
EM_JS(int, QuorbalsStorageRead, (const char* key, unsigned char** bytes), {
    var text;
    try {
        text = globalThis.localStorage.getItem(UTF8ToString(key));
    } catch (e) {
        return -2;
    }
    if (text === null) {
        return -1;
    }
    var raw;
    try {
        raw = atob(text);
    } catch (e) {
        raw = "";  // not base64: an empty file
    }
    var out = _malloc(raw.length + 1);
    for (var i = 0; i < raw.length; ++i) {
        HEAPU8[out + i] = raw.charCodeAt(i);
    }
    HEAP32[bytes >> 2] = out;
    return raw.length;
});

EM_JS(int, QuorbalsStorageWrite, (const char* key, const unsigned char* bytes, int length), {
    var raw = "";
    for (var i = 0; i < length; ++i) {
        raw += String.fromCharCode(HEAPU8[bytes + i]);
    }
    try {
        globalThis.localStorage.setItem(UTF8ToString(key), btoa(raw));
        return 0;
    } catch (e) {
        var quota = e && (e.name === "QuotaExceededError" || e.code === 22 ||
                          e.name === "NS_ERROR_DOM_QUOTA_REACHED");
        return quota ? -3 : -2;
    }
});

EM_JS(int, QuorbalsStorageRemove, (const char* key), {
    try {
        var name = UTF8ToString(key);
        if (globalThis.localStorage.getItem(name) === null) {
            return -1;
        }
        globalThis.localStorage.removeItem(name);
        return 0;
    } catch (e) {
        return -2;
    }
});

EM_JS(int, QuorbalsPickedRead, (const char* path, unsigned char** bytes), {
    var files = Module["quorbalsFiles"];
    var data = files && files.get(UTF8ToString(path));
    if (!data) {
        return -1;
    }
    var out = _malloc(data.length + 1);
    HEAPU8.set(data, out);
    HEAP32[bytes >> 2] = out;
    return data.length;
});

EM_JS(int, QuorbalsDownload, (const char* name, const unsigned char* bytes, int length), {
    var data = HEAPU8.slice(bytes, bytes + length);
    var fileName = UTF8ToString(name);
    try {
        if (Module["quorbalsDownload"]) {
            Module["quorbalsDownload"](fileName, data);
            return 0;
        }
        var url = URL.createObjectURL(new Blob([data], {type: "application/octet-stream"}));
        var link = document.createElement("a");
        link.href = url;
        link.download = fileName;
        document.body.appendChild(link);
        link.click();
        link.remove();
        setTimeout(function() { URL.revokeObjectURL(url); }, 10000);
        return 0;
    } catch (e) {
        return -2;
    }
});
// clang-format on

namespace {

// Takes the buffer a read call allocated, or reports its failure.
std::vector<std::uint8_t> TakeRead(int length, unsigned char* bytes, std::size_t maxBytes) {
    if (length < 0) {
        throw ErrorFor(length);
    }
    std::vector<std::uint8_t> data(bytes, bytes + std::min<std::size_t>(length, maxBytes));
    std::free(bytes);
    return data;
}

}  // namespace

bool FileExists(const std::string& path) {
    unsigned char* bytes = nullptr;
    const int length = InStorage(path) ? QuorbalsStorageRead(StorageKey(path).c_str(), &bytes)
                                       : QuorbalsPickedRead(path.c_str(), &bytes);
    if (length < 0) {
        return false;
    }
    std::free(bytes);
    return true;
}

bool FolderExists(const std::string& path) {
    // The storage folder is always there; the page has no other folders.
    return InStorage(path);
}

bool MakeFolder(const std::string& path) {
    return InStorage(path);
}

std::vector<std::uint8_t> ReadFilePrefix(const std::string& path, std::size_t maxBytes) {
    unsigned char* bytes = nullptr;
    const int length = InStorage(path) ? QuorbalsStorageRead(StorageKey(path).c_str(), &bytes)
                                       : QuorbalsPickedRead(path.c_str(), &bytes);
    return TakeRead(length, bytes, maxBytes);
}

void WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    const int status = InStorage(path)
                           ? QuorbalsStorageWrite(StorageKey(path).c_str(), bytes.data(),
                                                  static_cast<int>(bytes.size()))
                           : QuorbalsDownload(FileNameOf(path).c_str(), bytes.data(),
                                              static_cast<int>(bytes.size()));
    if (status < 0) {
        throw ErrorFor(status);
    }
}

bool RemoveFile(const std::string& path) {
    return InStorage(path) && QuorbalsStorageRemove(StorageKey(path).c_str()) == 0;
}

}  // namespace quorbals
