#include "app/startup_sequence.h"

#include "app/splash_wait.h"

namespace quorbals {

int RunStartup(StartupSteps& steps) {
    steps.LoadHelpLibrary();
    steps.InitApplication();
    const std::int64_t splashStart = steps.NowMs();
    steps.ShowSplash();
    steps.CreateMainWindow();
    steps.CreateHighScoreDialog();
    WaitForSplash(
        splashStart, [&] { return steps.NowMs(); }, [&] { steps.SleepBriefly(); });
    steps.CloseSplash();
    return steps.RunMessageLoop();
}

}  // namespace quorbals
