#include "storage/posix_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>

#include "storage/file_error.h"

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
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = folder + "/.quorbals-" + std::to_string(::getpid()) + "-" +
                   std::to_string(counter++) + ".tmp";
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

}  // namespace

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    if (slash == 0) {
        return "/";
    }
    return path.substr(0, slash);
}

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
        throw FileErrorFromErrno(errno, path);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        throw FileErrorFromErrno(errno, path);
    }
    if (!S_ISREG(st.st_mode)) {
        throw AccessDeniedError();
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
    if (replacing && ::access(target.c_str(), W_OK) != 0) {
        throw FileErrorFromErrno(errno, target);
    }

    std::string tempPath;
    Descriptor fd(CreateTemporary(folder, tempPath));
    if (fd.get() < 0) {
        throw FileErrorFromErrno(errno, target);
    }
    try {
        if (replacing && S_ISREG(old.st_mode)) {
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
}

bool RemoveFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

}  // namespace quorbals
