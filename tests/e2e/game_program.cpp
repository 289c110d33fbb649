#include "tests/e2e/game_program.h"

#include <QFile>
#include <QRegularExpression>

namespace quorbals::e2e {

const GameProgram& ProgramUnderTest() {
    static const GameProgram program = [] {
        GameProgram p;
        p.exe = qEnvironmentVariable("QUORBALS_E2E_WINDOWS_GAME");
        p.windows = !p.exe.isEmpty();
        p.winePrefix = qEnvironmentVariable("QUORBALS_E2E_WINE_PREFIX");
        return p;
    }();
    return program;
}

QString WindowsPath(const QString& unixPath) {
    QString path = unixPath;
    return QStringLiteral("Z:") + path.replace(u'/', u'\\');
}

QString WineAppData(const QString& prefix) {
    QFile reg(prefix + QStringLiteral("/user.reg"));
    if (!reg.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    // [Software\\Microsoft\\...\\Shell Folders] ... "AppData"="C:\\users\\...\\Roaming"
    bool inShellFolders = false;
    static const QRegularExpression value(QStringLiteral("^\"AppData\"=\"([A-Za-z]):(.*)\"$"));
    while (!reg.atEnd()) {
        const QString line = QString::fromUtf8(reg.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            inShellFolders =
                line.startsWith(QStringLiteral("[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion"
                                               "\\\\Explorer\\\\Shell Folders]"));
            continue;
        }
        const auto m = value.match(line);
        if (inShellFolders && m.hasMatch()) {
            QString rest = m.captured(2).replace(QStringLiteral("\\\\"), QStringLiteral("/"));
            return prefix + QStringLiteral("/drive_") + m.captured(1).toLower() + rest;
        }
    }
    return {};
}

QString ShotPath(const QString& name) {
    return QStringLiteral(QUORBALS_BUILD_DIR "/tests/e2e-") + ProgramUnderTest().tag() +
           QStringLiteral("-") + name + QStringLiteral(".png");
}

}  // namespace quorbals::e2e
