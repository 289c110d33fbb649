// The Windows program's start-up, splash and message loop.
#pragma once

namespace quorbals {

// Runs the program; returns its exit status.
int RunQuorbals();

}  // namespace quorbals
