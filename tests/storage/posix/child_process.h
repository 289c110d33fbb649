// Runs a piece of a test in a forked child, for what must not touch the
// test process itself: resource limits, signal dispositions, a changed user.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace quorbals::test {

// The child's exit code, or -1 when it did not exit normally.
inline int RunInChild(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        int code = 99;
        try {
            code = body();
        } catch (...) {
            code = 98;
        }
        ::_exit(code);
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

// Permissions are checked only for an ordinary user: under root, drop to
// "nobody" first. False when that failed.
inline bool BecomeOrdinaryUser() {
    if (::geteuid() != 0) {
        return true;
    }
    const gid_t groups[] = {65534};
    return ::setgroups(1, groups) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
}

}  // namespace quorbals::test
