#include "platform/qt/signals.h"

#include <csignal>

namespace quorbals {

void IgnoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace quorbals
