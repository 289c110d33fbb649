// The POSIX file layer: errno values, permissions, special files and
// limits that only this platform has.
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>

#include <gtest/gtest.h>

#include "storage/file_error.h"
#include "storage/file_system.h"
#include "storage/posix/errno_file_error.h"
#include "storage/temporary_files.h"
#include "tests/storage/posix/child_process.h"
#include "tests/support/temp_folder.h"

namespace quorbals {
namespace {

using test::FolderEntries;
using test::ReadBytes;
using test::RunInChild;
using test::TempFolder;
using test::WriteBytes;

TEST(FileErrorTest, ErrnoValuesMapToTheGameCodesAndTexts) {
    TempFolder dir;
    const std::string inFolder = dir / "a.scr";
    const std::string inMissingFolder = dir / "missing/a.scr";
    struct Case {
        int err;
        std::string path;
        int code;
        const char* text;
    };
    const Case cases[] = {
        {ENOENT, inFolder, 2, "File not found"},
        {ENOENT, inMissingFolder, 3, "Invalid file name"},
        {ENOTDIR, inFolder, 3, "Invalid file name"},
        {ENAMETOOLONG, inFolder, 3, "Invalid file name"},
        {EMFILE, inFolder, 4, "Too many open files"},
        {ENFILE, inFolder, 4, "Too many open files"},
        {EACCES, inFolder, 5, "File access denied"},
        {EPERM, inFolder, 5, "File access denied"},
        {EROFS, inFolder, 5, "File access denied"},
        {ENOSPC, inFolder, 101, "Disk full"},
        {EDQUOT, inFolder, 101, "Disk full"},
        {EFBIG, inFolder, 101, "Disk full"},
        {EIO, inFolder, EIO, "I/O error 5"},
    };
    for (const Case& c : cases) {
        const FileError e = FileErrorFromErrno(c.err, c.path);
        EXPECT_EQ(e.code(), c.code) << c.err;
        EXPECT_EQ(e.text(), c.text) << c.err;
    }
    EXPECT_EQ(ReadBeyondEndOfFileError(), FileError(100, "Read beyond end of file"));
}

// Anything that is not a plain file is refused when read (a FIFO would
// otherwise block the game).
TEST(ReadFilePrefixTest, PipesAndDevicesAreRefused) {
    TempFolder dir;
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    EXPECT_THROW(ReadFilePrefix(dir / "fifo", 9), NotAFileError);
    EXPECT_THROW(ReadFilePrefix("/dev/null", 9), NotAFileError);
    EXPECT_FALSE(FileExists(dir / "fifo"));
}

// Read-only files open for reading; unreadable ones report access denied.
// Run as an ordinary user, for whom permissions count.
TEST(ReadFilePrefixTest, ReadOnlyFilesReadAndUnreadableOnesAreRefused) {
    TempFolder dir;
    ::chmod(dir.path().c_str(), 0755);
    WriteBytes(dir / "ro", {1, 2, 3});
    ::chmod((dir / "ro").c_str(), 0444);
    WriteBytes(dir / "closed", {1, 2, 3});
    ::chmod((dir / "closed").c_str(), 0);
    const int rc = RunInChild([&] {
        if (!test::BecomeOrdinaryUser()) {
            return 10;
        }
        if (ReadFilePrefix(dir / "ro", 9) != std::vector<std::uint8_t>{1, 2, 3}) {
            return 11;
        }
        try {
            ReadFilePrefix(dir / "closed", 9);
        } catch (const FileError& e) {
            return e.code();
        }
        return 12;
    });
    EXPECT_EQ(rc, kFileAccessDenied);
}

TEST(WriteFileAtomicallyTest, ThePlayersPermissionsAreKept) {
    TempFolder dir;
    const std::string path = dir / "quorbals.set";
    WriteBytes(path, std::vector<std::uint8_t>(100, 9));
    ::chmod(path.c_str(), 0640);
    WriteFileAtomically(path, std::vector<std::uint8_t>{5});
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(WriteFileAtomicallyTest, WritesThroughASymbolicLink) {
    TempFolder dir;
    WriteBytes(dir / "real.kvx", {1});
    std::filesystem::create_symlink(dir / "real.kvx", dir / "link.kvx");
    WriteFileAtomically(dir / "link.kvx", std::vector<std::uint8_t>{2, 2});
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.kvx"));
    EXPECT_EQ(ReadBytes(dir / "real.kvx"), (std::vector<std::uint8_t>{2, 2}));
}

// A file-size limit stops the write part-way: "Disk full", the old file
// whole, no temporary file left behind.
TEST(WriteFileAtomicallyTest, AWriteThatFailsPartWayKeepsTheOldFile) {
    TempFolder dir;
    const std::string path = dir / "quorbals.scr";
    const std::vector<std::uint8_t> old(280, 'A');
    WriteBytes(path, old);
    for (const rlim_t limit : {rlim_t{100}, rlim_t{0}}) {
        const int rc = RunInChild([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit lim{limit, limit};
            if (::setrlimit(RLIMIT_FSIZE, &lim) != 0) {
                return 10;
            }
            try {
                WriteFileAtomically(path, std::vector<std::uint8_t>(1000, 'B'));
            } catch (const FileError& e) {
                return e.code();
            }
            return 0;
        });
        EXPECT_EQ(rc, kDiskFull) << limit;
        EXPECT_EQ(ReadBytes(path), old);
        EXPECT_EQ(FolderEntries(dir.path()), (std::vector<std::string>{"quorbals.scr"}));
    }
}

// Writing where the player may not: into a read-only folder, or over a
// read-only file (which stays as it was although its folder is writable).
TEST(WriteFileAtomicallyTest, ReadOnlyFilesAndFoldersAreNotWritten) {
    TempFolder dir;
    ::chmod(dir.path().c_str(), 0755);
    std::filesystem::create_directory(dir / "locked");
    ::chmod((dir / "locked").c_str(), 0555);
    std::filesystem::create_directory(dir / "open");
    ::chmod((dir / "open").c_str(), 0777);
    WriteBytes(dir / "open/game.kvx", {1, 2, 3});
    ::chmod((dir / "open/game.kvx").c_str(), 0444);
    const int rc = RunInChild([&] {
        if (!test::BecomeOrdinaryUser()) {
            return 10;
        }
        int codes = 0;
        try {
            WriteFileAtomically(dir / "locked/quorbals.set", std::vector<std::uint8_t>{1});
        } catch (const FileError& e) {
            codes += e.code() == kFileAccessDenied ? 1 : 0;
        }
        try {
            WriteFileAtomically(dir / "open/game.kvx", std::vector<std::uint8_t>{9});
        } catch (const FileError& e) {
            codes += e.code() == kFileAccessDenied ? 1 : 0;
        }
        return codes;
    });
    EXPECT_EQ(rc, 2);
    EXPECT_EQ(ReadBytes(dir / "open/game.kvx"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(FolderEntries(dir / "open"), (std::vector<std::string>{"game.kvx"}));
}

// A named pipe, a socket or a device in the target's place is refused and
// stays what it was; the rename would otherwise put a plain file there.
TEST(WriteFileAtomicallyTest, SpecialFilesAsTargetsAreRefused) {
    TempFolder dir;
    ASSERT_EQ(::mkfifo((dir / "fifo.kvx").c_str(), 0600), 0);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(sock, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = dir / "socket.kvx";
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    std::strcpy(address.sun_path, socketPath.c_str());
    ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    std::vector<std::string> names = {"fifo.kvx", "socket.kvx"};
    // A device node of its own (the null device's numbers), where the
    // system lets the test make one.
    if (::mknod((dir / "device.kvx").c_str(), S_IFCHR | 0600, ::makedev(1, 3)) == 0) {
        names.push_back("device.kvx");
    }
    for (const std::string& name : names) {
        try {
            WriteFileAtomically(dir / name, std::vector<std::uint8_t>{1});
            ADD_FAILURE() << name;
        } catch (const NotAFileError& e) {
            EXPECT_EQ(e.text(), "File access denied") << name;
        }
        EXPECT_THROW(ReadFilePrefix(dir / name, 9), NotAFileError) << name;
    }
    ::close(sock);
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "fifo.kvx"));
    EXPECT_TRUE(std::filesystem::is_socket(dir / "socket.kvx"));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(FolderEntries(dir.path()), names);
}

TEST(FilePathsTest, FoldersAndNames) {
    EXPECT_EQ(FolderOf("/home/p/game.kvx"), "/home/p");
    EXPECT_EQ(FolderOf("/game.kvx"), "/");
    EXPECT_EQ(FolderOf("game.kvx"), ".");
    EXPECT_EQ(FileNameOf("/home/p/game.kvx"), "game.kvx");
    EXPECT_EQ(FileNameOf("game.kvx"), "game.kvx");
    EXPECT_EQ(JoinPath("/", "a"), "/a");
    EXPECT_EQ(JoinPath("/home", "a"), "/home/a");
}

}  // namespace
}  // namespace quorbals
