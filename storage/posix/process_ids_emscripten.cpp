// Process ids under emscripten, whose C library gives every program the same
// id and cannot signal another: under node they are node's own, so that two
// programs sharing a folder keep apart; in a page, which alone sees its
// file system, every other id is gone.
#include <emscripten.h>

#include <climits>

#include "storage/posix/process_ids.h"

// clang-format off
EM_JS(double, quorbals_own_process_id, (), {
    return typeof process === "object" && process.pid ? process.pid : 1;
});

EM_JS(int, quorbals_process_is_gone, (double id), {
    if (typeof process !== "object" || typeof process.kill !== "function") {
        return 1;
    }
    try {
        process.kill(id, 0);
        return 0;
    } catch (e) {
        return e.code === "ESRCH" ? 1 : 0;
    }
});
// clang-format on

namespace quorbals {

unsigned long OwnProcessId() {
    return static_cast<unsigned long>(quorbals_own_process_id());
}

bool ProcessIsGone(unsigned long processId) {
    if (processId == 0 || processId > static_cast<unsigned long>(INT_MAX)) {
        return false;
    }
    return quorbals_process_is_gone(processId) != 0;
}

}  // namespace quorbals
