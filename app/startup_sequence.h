// The order in which the program starts, once for every front end: help
// library, application object, splash, main window (whose creation works
// out the data folder, loads the settings and seeds the random source),
// high-score dialog, the rest of the splash's second, then the message loop.
#pragma once

#include <cstdint>

namespace quorbals {

class StartupSteps {
public:
    virtual ~StartupSteps() = default;
    virtual void LoadHelpLibrary() = 0;
    virtual void InitApplication() = 0;
    // The About box without a border, centred and painted at once.
    virtual void ShowSplash() = 0;
    virtual void CreateMainWindow() = 0;
    virtual void CreateHighScoreDialog() = 0;
    // A monotonic clock in milliseconds, and a short sleep that handles no
    // window messages.
    virtual std::int64_t NowMs() = 0;
    virtual void SleepBriefly() = 0;
    virtual void CloseSplash() = 0;
    // Shows the main window and runs until it has closed; the exit status.
    virtual int RunMessageLoop() = 0;
};

int RunStartup(StartupSteps& steps);

}  // namespace quorbals
