// The process ids in temporary files' names, natively and under node: a
// write removes its own leftovers and those of programs that are gone, and
// keeps those of a program that still runs.
#include <unistd.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <gtest/gtest.h>

#include "storage/file_system.h"
#include "storage/posix/process_ids.h"
#include "storage/temporary_files.h"
#include "tests/support/temp_folder.h"

namespace quorbals {
namespace {

using test::FolderEntries;
using test::TempFolder;
using test::WriteBytes;

// The test's parent: a program that runs as long as the test does.
unsigned long ParentProcessId() {
#ifdef __EMSCRIPTEN__
    return static_cast<unsigned long>(EM_ASM_DOUBLE({ return process.ppid; }));
#else
    return static_cast<unsigned long>(::getppid());
#endif
}

TEST(ProcessIdsTest, RunningProgramsAreToldFromGoneOnes) {
    const unsigned long parent = ParentProcessId();
    EXPECT_NE(OwnProcessId(), parent);
    EXPECT_FALSE(ProcessIsGone(OwnProcessId()));
    EXPECT_FALSE(ProcessIsGone(parent));
    EXPECT_TRUE(ProcessIsGone(999999999));
    // Not a process: kill() would read these as groups.
    EXPECT_FALSE(ProcessIsGone(0));
    EXPECT_FALSE(ProcessIsGone(4294967295ul));
}

// A temporary file of a game that still runs (here: the test's parent) is
// a write in progress, and stays.
TEST(WriteFileAtomicallyTest, TemporaryFilesOfRunningGamesStay) {
    TempFolder dir;
    const std::string running = TemporaryFileName(ParentProcessId(), 0);
    const std::string own = TemporaryFileName(OwnProcessId(), 999);
    WriteBytes(dir / running, {1});
    WriteBytes(dir / own, {1});
    WriteFileAtomically(dir / "quorbals.scr", std::vector<std::uint8_t>{2});
    EXPECT_EQ(FolderEntries(dir.path()), (std::vector<std::string>{running, "quorbals.scr"}));
}

}  // namespace
}  // namespace quorbals
