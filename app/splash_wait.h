// The splash stands for one second, measured on a monotonic clock against
// the day fraction the program has always used for it.
#pragma once

#include <cstdint>

namespace quorbals {

// One second as a fraction of a day (not the exact quotient 1/86400).
inline constexpr double kSplashDays = 1.1574074074E-5;

// True once `elapsedMs` since the splash appeared amount to kSplashDays.
bool SplashWaitOver(std::int64_t elapsedMs);

// Blocks, handling no window messages, until SplashWaitOver holds for the
// time since `startMs` on the same monotonic clock as `nowMs`.
template <typename NowMs, typename Sleep>
void WaitForSplash(std::int64_t startMs, NowMs nowMs, Sleep sleepBriefly) {
    while (!SplashWaitOver(nowMs() - startMs)) {
        sleepBriefly();
    }
}

}  // namespace quorbals
