#include "storage/posix/process_ids.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

namespace quorbals {

unsigned long OwnProcessId() {
    return static_cast<unsigned long>(::getpid());
}

bool ProcessIsGone(unsigned long processId) {
    // No process has an id past the range of pid_t; nor may one be named
    // by such a number, which kill() would read as a process group.
    if (processId == 0 || processId > static_cast<unsigned long>(INT_MAX)) {
        return false;
    }
    return ::kill(static_cast<pid_t>(processId), 0) != 0 && errno == ESRCH;
}

}  // namespace quorbals
