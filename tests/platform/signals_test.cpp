#include "platform/qt/signals.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <string>

#include "tests/support/temp_folder.h"

namespace quorbals {
namespace {

TEST(SignalsTest, WritingPastTheFileSizeLimitFailsInsteadOfEndingTheProgram) {
    IgnoreFileSizeSignal();
    struct sigaction action {};
    ASSERT_EQ(sigaction(SIGXFSZ, nullptr, &action), 0);
    EXPECT_EQ(action.sa_handler, SIG_IGN);

    test::TempFolder temp;
    const std::string file = temp / "big";
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    const std::string data(1000, 'x');
    EXPECT_EQ(write(fd, data.data(), data.size()), 1000);
    errno = 0;
    EXPECT_EQ(write(fd, data.data(), data.size()), -1);
    EXPECT_EQ(errno, EFBIG);
    close(fd);
    setrlimit(RLIMIT_FSIZE, &saved);
}

}  // namespace
}  // namespace quorbals
