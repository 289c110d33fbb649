// The program's start: help library, application object, splash, main
// window, high-score dialog, the splash's second, then the message loop.
#pragma once

namespace quorbals {

int RunQuorbals(int argc, char** argv);

}  // namespace quorbals
