#include "app/splash_wait.h"

namespace quorbals {

bool SplashWaitOver(std::int64_t elapsedMs) {
    return static_cast<double>(elapsedMs) / 86400000.0 >= kSplashDays;
}

}  // namespace quorbals
