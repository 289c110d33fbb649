// The file layer on POSIX systems: plain system calls, so that every
// failure keeps its errno.
#include "storage/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

#include "storage/file_error.h"
#include "storage/posix/errno_file_error.h"
#include "storage/posix/process_ids.h"
#include "storage/temporary_files.h"

namespace quorbals {

namespace {

// Closes a descriptor on every way out of a function.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    // Closes now, so that a failing close can be reported.
    int Close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

// The file that a write to `path` must replace: a symbolic link keeps
// pointing at its file, which gets the new content.
std::string WriteTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr),
                                                         &std::free);
        if (real) {
            return real.get();
        }
    }
    return path;
}

// Creates a temporary file beside the target with the usual permissions
// (0666 less the umask). The name does not depend on the target's, so a
// long target name cannot make it too long.
int CreateTemporary(const std::string& folder, std::string& tempPath) {
    static unsigned long serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = JoinPath(folder, TemporaryFileName(OwnProcessId(), serial++));
        const int fd =
            ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

void WriteAll(int fd, std::span<const std::uint8_t> bytes, const std::string& target) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int err = errno;
            // Whatever stopped a write part-way, the disk could not take it.
            throw done > 0 ? DiskFullError() : FileErrorFromErrno(err, target);
        }
        if (n == 0) {
            throw DiskFullError();
        }
        done += static_cast<std::size_t>(n);
    }
}

// Removes the temporary files of writes that were cut off (their process
// is gone; one of this process's own can only be left from a failed
// removal). Whatever fails here loses nothing.
void RemoveLeftoverTemporaries(const std::string& folder) {
    struct CloseDir {
        void operator()(DIR* d) const { ::closedir(d); }
    };
    const std::unique_ptr<DIR, CloseDir> dir(::opendir(folder.c_str()));
    if (!dir) {
        return;
    }
    const unsigned long self = OwnProcessId();
    while (const dirent* entry = ::readdir(dir.get())) {
        const auto owner = TemporaryFileOwner(entry->d_name);
        if (owner && (*owner == self || ProcessIsGone(*owner))) {
            ::unlink(JoinPath(folder, entry->d_name).c_str());
        }
    }
}

}  // namespace

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FolderExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool MakeFolder(const std::string& path) {
    return ::mkdir(path.c_str(), 0777) == 0;
}

std::vector<std::uint8_t> ReadFilePrefix(const std::string& path, std::size_t maxBytes) {
    // Non-blocking open, so that a FIFO in the file's place cannot hang the
    // game; it is refused below like any file that is not a regular one.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0) {
        const int err = errno;
        // A socket cannot be opened at all; it is still no file.
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
            throw NotAFileError();
        }
        throw FileErrorFromErrno(err, path);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        throw FileErrorFromErrno(errno, path);
    }
    if (!S_ISREG(st.st_mode)) {
        throw NotAFileError();
    }
    std::vector<std::uint8_t> bytes(maxBytes);
    std::size_t done = 0;
    while (done < maxBytes) {
        const ssize_t n = ::read(fd.get(), bytes.data() + done, maxBytes - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileErrorFromErrno(errno, path);
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

void WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::string target = WriteTarget(path);
    const std::string folder = FolderOf(target);

    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    // The rename would put a plain file in the place of a folder, a pipe,
    // a device or a socket.
    if (replacing && !S_ISREG(old.st_mode)) {
        throw NotAFileError();
    }
    if (replacing && ::access(target.c_str(), W_OK) != 0) {
        throw FileErrorFromErrno(errno, target);
    }

    std::string tempPath;
    Descriptor fd(CreateTemporary(folder, tempPath));
    if (fd.get() < 0) {
        throw FileErrorFromErrno(errno, target);
    }
    try {
        if (replacing) {
            // The new file keeps the permissions the player gave the old one.
            ::fchmod(fd.get(), old.st_mode & 07777);
        }
        WriteAll(fd.get(), bytes, target);
        if (::fsync(fd.get()) != 0) {
            throw FileErrorFromErrno(errno, target);
        }
        if (fd.Close() != 0) {
            throw FileErrorFromErrno(errno, target);
        }
        if (::rename(tempPath.c_str(), target.c_str()) != 0) {
            throw FileErrorFromErrno(errno, target);
        }
    } catch (...) {
        ::unlink(tempPath.c_str());
        throw;
    }
    // Make the rename itself durable; a failure here loses nothing.
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) {
        ::fsync(dir.get());
    }
    RemoveLeftoverTemporaries(folder);
}

bool RemoveFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

}  // namespace quorbals
