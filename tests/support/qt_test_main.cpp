// The main of every test that needs the Qt application object: one
// QApplication for all of them, on the offscreen platform unless one was
// chosen (CTest lists the tests at build time without their environment,
// and without a display), with a home folder of its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// What Qt and the tests write for "the user" (the file dialog's
// QtProject.conf, the sound client's runtime folder, caches) lands in `home`,
// never in the home of whoever runs the tests.
bool UsePrivateHome(const QTemporaryDir& home) {
    if (!home.isValid()) {
        return false;
    }
    const QString root = home.path();
    const struct {
        const char* variable;
        const char* folder;
    } folders[] = {{"XDG_CONFIG_HOME", "config"},
                   {"XDG_DATA_HOME", "data"},
                   {"XDG_CACHE_HOME", "cache"},
                   {"XDG_STATE_HOME", "state"},
                   {"XDG_RUNTIME_DIR", "runtime"}};
    qputenv("HOME", QFile::encodeName(root));
    for (const auto& f : folders) {
        const QString path = root + QLatin1Char('/') + QLatin1String(f.folder);
        if (!QDir().mkpath(path)) {
            return false;
        }
        qputenv(f.variable, QFile::encodeName(path));
    }
    return QFile::setPermissions(root + QStringLiteral("/runtime"),
                                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir home;
    if (!UsePrivateHome(home)) {
        std::fprintf(stderr, "cannot make a private home folder\n");
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
