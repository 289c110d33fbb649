// Which build of the game an end-to-end test drives: the Qt game of this
// build, or the Windows game under Wine. The same tests serve both; the
// environment chooses (CTest sets it per registered test).
#pragma once

#include <QString>
#include <QStringList>

namespace quorbals::e2e {

struct GameProgram {
    bool windows = false;
    QString exe;         // the Windows program (quorbals.exe)
    QString winePrefix;  // the Wine prefix the Windows tests share
    // Short name for screenshot files: "qt" or "win32".
    QString tag() const { return windows ? QStringLiteral("win32") : QStringLiteral("qt"); }
};

// QUORBALS_E2E_WINDOWS_GAME names the Windows program, QUORBALS_E2E_WINE_PREFIX
// its prefix; without them the Qt game of this build.
const GameProgram& ProgramUnderTest();

// Where the Windows game sees a Unix path: Wine's drive Z: is the root.
QString WindowsPath(const QString& unixPath);

// The folder the registry value "AppData" of the prefix's user names, as a
// Unix path read from the prefix's user.reg; empty before the prefix exists.
QString WineAppData(const QString& prefix);

// A screenshot path in the build folder, tagged with the program.
QString ShotPath(const QString& name);

}  // namespace quorbals::e2e
