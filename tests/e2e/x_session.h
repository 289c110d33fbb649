// A private X display for end-to-end tests: Xvfb with the openbox window
// manager (without one no window ever becomes active), plus the small set of
// tools the tests drive it with (xdotool, ImageMagick's import).
#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
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
    const QString& display() const { return display_; }
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
    // Every visible window whose name is exactly `name`.
    QStringList Windows(const QString& name) const;
    std::optional<WindowGeometry> Geometry(const QString& windowId) const;
    QString ActiveWindow() const;
    // Gives a window the focus, waiting until it has it.
    void Activate(const QString& windowId) const;

    QImage Screenshot() const;

    void MoveMouse(int x, int y) const;
    void Click(int button = 1) const;    // press and release
    void Release(int button = 1) const;  // release only
    void Key(const QString& keys) const;
    void Type(const QString& text) const;

private:
    bool ok_ = false;
    QString display_;
    std::unique_ptr<QProcess> xvfb_;
    std::unique_ptr<QProcess> wm_;
    std::vector<std::unique_ptr<QProcess>> launched_;
};

// Sleeps while letting nothing else run; the tests have no event loop.
void SleepMs(int ms);

}  // namespace quorbals::e2e
