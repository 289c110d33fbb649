#include "game/random.h"

#include <chrono>

namespace quorbals {

std::int32_t RandomBelow(GameState& state, std::int32_t n) {
    state.randomState = state.randomState * 134775813u + 1u;
    if (n <= 0) {
        return 0;  // no caller asks for an empty range; never index with garbage
    }
    const std::uint64_t product = static_cast<std::uint64_t>(n) * state.randomState;
    return static_cast<std::int32_t>(product >> 32);
}

std::uint32_t MillisecondsSinceMidnightUtc() {
    constexpr std::int64_t kMillisecondsPerDay = 24LL * 60 * 60 * 1000;
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    // The system clock counts days of exactly 86400 s, so the remainder is
    // the time of day in UTC.
    std::int64_t ms = std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count();
    ms %= kMillisecondsPerDay;
    if (ms < 0) {
        ms += kMillisecondsPerDay;
    }
    return static_cast<std::uint32_t>(ms);
}

void SeedRandomFromClock(GameState& state) {
    state.randomState = MillisecondsSinceMidnightUtc();
}

}  // namespace quorbals
