// The high-score dialog's corner ornaments are squares of this many pixels,
// as their pictures in assets/ornaments/ are drawn.
#pragma once

namespace quorbals {

inline constexpr int kOrnamentSize = 15;

}  // namespace quorbals
