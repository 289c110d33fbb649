// The game's only source of chance: a 32-bit linear congruential generator.
#pragma once

#include <cstdint>

#include "game/state.h"

namespace quorbals {

// Advances state.randomState r, then returns floor(n * r / 2^32), 0..n-1.
std::int32_t RandomBelow(GameState& state, std::int32_t n);

// Milliseconds since midnight UTC of the system clock.
std::uint32_t MillisecondsSinceMidnightUtc();

// state.randomState := MillisecondsSinceMidnightUtc().
void SeedRandomFromClock(GameState& state);

}  // namespace quorbals
