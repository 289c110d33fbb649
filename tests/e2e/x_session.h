// A private X display for end-to-end tests: Xvfb with the openbox window
// manager (without one no window ever becomes active), plus the small set of
// tools the tests drive it with (xdotool, ImageMagick's import). Everything
// started on it has a home folder of the session's own.
#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>

namespace quorbals::e2e {

struct WindowGeometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class XSession {
public:
    XSession();
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    bool ok() const { return ok_; }
    // Why the session did not start.
    const QString& failure() const { return failure_; }
    const QString& display() const { return display_; }
    // HOME of everything started here; the XDG folders lie in it (data,
    // config, cache, state, runtime).
    QString home() const { return home_.path(); }
    QProcessEnvironment environment() const;

    // Starts a program on the display; it is ended when the session ends.
    QProcess* Launch(const QString& program, const QStringList& args = {},
                     const QString& workDir = {});

    // Runs a tool to completion on the display and returns its stdout.
    std::optional<QByteArray> Run(const QString& program, const QStringList& args,
                                  int timeoutMs = 20000) const;

    // The first visible window whose name is exactly `name`, waiting for it,
    // looking every `pollMs`; a timeout of 0 looks once.
    std::optional<QString> FindWindow(const QString& name, int timeoutMs = 20000,
                                      int pollMs = 200) const;
    // A visible window whose name is exactly `name` and that satisfies
    // `wanted`, searched afresh every `pollMs` until the deadline: the first
    // window of a name is often not the one meant (a message box, or the
    // window before it has its size).
    std::optional<QString> FindWindow(const QString& name,
                                      const std::function<bool(const QString&)>& wanted,
                                      int timeoutMs = 20000, int pollMs = 100) const;
    // Every visible window whose name is exactly `name`.
    QStringList Windows(const QString& name) const;
    // Every visible window, named or not (menus have no name under Wine).
    QStringList VisibleWindows() const;
    std::optional<WindowGeometry> Geometry(const QString& windowId) const;
    QString ActiveWindow() const;
    // Gives a window the focus, waiting until the window manager reports it
    // active; false when it never did.
    bool Activate(const QString& windowId, int timeoutMs = 10000) const;

    QImage Screenshot() const;

    void MoveMouse(int x, int y) const;
    void Click(int button = 1) const;    // press and release
    void Release(int button = 1) const;  // release only
    void Key(const QString& keys) const;
    void Type(const QString& text) const;

private:
    bool StartDisplay();
    bool StartWindowManager();
    static void Stop(QProcess* p);

    bool ok_ = false;
    QString failure_;
    QString display_;
    QTemporaryDir home_;
    std::unique_ptr<QProcess> xvfb_;
    std::unique_ptr<QProcess> wm_;
    std::vector<std::unique_ptr<QProcess>> launched_;
};

// Sleeps while letting nothing else run; the tests have no event loop.
void SleepMs(int ms);

// Checks `done` every `pollMs` until it holds or `timeoutMs` has passed;
// true when it held.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs, int pollMs = 100);

}  // namespace quorbals::e2e
