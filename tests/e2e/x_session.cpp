#include "tests/e2e/x_session.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <cstdio>

namespace quorbals::e2e {

void SleepMs(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs, int pollMs) {
    // Timed by the clock, not by counting polls: on a busy machine each
    // look (a screenshot, a tool started) takes time of its own.
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (done()) {
            return true;
        }
        if (clock.elapsed() >= timeoutMs) {
            return false;
        }
        SleepMs(pollMs);
    }
}

XSession::XSession() {
    if (!home_.isValid()) {
        failure_ = QStringLiteral("no temporary home folder");
        return;
    }
    for (const char* folder : {"data", "config", "cache", "state", "runtime"}) {
        QDir(home_.path()).mkpath(QLatin1String(folder));
    }
    QFile::setPermissions(home_.path() + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Another X server starting beside this one (other tests, other users)
    // may take the display number this one picked, and this one then ends:
    // a few tries, each with a fresh server.
    for (int attempt = 0; attempt < 3 && !ok_; ++attempt) {
        ok_ = StartDisplay() && StartWindowManager();
        if (!ok_) {
            std::fprintf(stderr, "private X session, try %d: %s\n", attempt + 1,
                         qPrintable(failure_));
            Stop(wm_.get());
            Stop(xvfb_.get());
        }
    }
}

bool XSession::StartDisplay() {
    xvfb_ = std::make_unique<QProcess>();
    xvfb_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // -displayfd 1: Xvfb picks a free display and prints its number.
    // -noreset: otherwise the server starts over whenever its last client
    // leaves (the check below that it answers), and refuses whoever
    // connects meanwhile (the window manager).
    xvfb_->start(QStringLiteral("Xvfb"),
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                  QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                  QStringLiteral("tcp"), QStringLiteral("-noreset")});
    if (!xvfb_->waitForStarted(10000)) {
        failure_ = QStringLiteral("Xvfb did not start");
        return false;
    }
    QByteArray number;
    WaitUntil(
        [&] {
            xvfb_->waitForReadyRead(100);
            number += xvfb_->readAllStandardOutput();
            return number.contains('\n') || xvfb_->state() == QProcess::NotRunning;
        },
        20000, 0);
    number = number.trimmed();
    if (number.isEmpty()) {
        failure_ = QStringLiteral("Xvfb gave no display number");
        return false;
    }
    display_ = QStringLiteral(":") + QString::fromLatin1(number);
    // The display answers, and it is this server that answers.
    const bool answers = WaitUntil(
        [&] {
            return xvfb_->state() == QProcess::NotRunning ||
                   Run(QStringLiteral("xprop"),
                       {QStringLiteral("-root"), QStringLiteral("-len"), QStringLiteral("0")})
                       .has_value();
        },
        20000);
    if (!answers || xvfb_->state() == QProcess::NotRunning) {
        failure_ =
            QStringLiteral("Xvfb on ") + display_ + QStringLiteral(" ended or never answered");
        return false;
    }
    return true;
}

bool XSession::StartWindowManager() {
    wm_ = std::make_unique<QProcess>();
    wm_->setProcessEnvironment(environment());
    wm_->setProcessChannelMode(QProcess::ForwardedChannels);
    wm_->start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    if (!wm_->waitForStarted(10000)) {
        failure_ = QStringLiteral("openbox did not start");
        return false;
    }
    // Until the window manager has taken over the root window, no window
    // would ever become active.
    const bool managing = WaitUntil(
        [this] {
            if (wm_->state() == QProcess::NotRunning) {
                return true;
            }
            auto out = Run(QStringLiteral("xprop"),
                           {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
            return out && out->contains("window id");
        },
        20000);
    if (!managing || wm_->state() == QProcess::NotRunning ||
        xvfb_->state() == QProcess::NotRunning) {
        failure_ = QStringLiteral("openbox never took over ") + display_;
        return false;
    }
    return true;
}

void XSession::Stop(QProcess* p) {
    if (p && p->state() != QProcess::NotRunning) {
        p->terminate();
        if (!p->waitForFinished(3000)) {
            p->kill();
            p->waitForFinished(3000);
        }
    }
}

XSession::~XSession() {
    for (auto& p : launched_) {
        if (p->state() != QProcess::NotRunning) {
            p->terminate();
            if (!p->waitForFinished(3000)) {
                p->kill();
                p->waitForFinished(3000);
            }
        }
    }
    Stop(wm_.get());
    Stop(xvfb_.get());
}

QProcessEnvironment XSession::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    const QString home = home_.path();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
    env.insert(QStringLiteral("XDG_STATE_HOME"), home + QStringLiteral("/state"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/runtime"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return env;
}

QProcess* XSession::Launch(const QString& program, const QStringList& args,
                           const QString& workDir) {
    auto p = std::make_unique<QProcess>();
    p->setProcessEnvironment(environment());
    if (!workDir.isEmpty()) {
        p->setWorkingDirectory(workDir);
    }
    p->setProcessChannelMode(QProcess::ForwardedChannels);
    p->start(program, args);
    p->waitForStarted(10000);
    launched_.push_back(std::move(p));
    return launched_.back().get();
}

std::optional<QByteArray> XSession::Run(const QString& program, const QStringList& args,
                                        int timeoutMs) const {
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(program, args);
    if (!p.waitForStarted(10000) || !p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(1000);
        return std::nullopt;
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        return std::nullopt;
    }
    return p.readAllStandardOutput();
}

std::optional<QString> XSession::FindWindow(const QString& name, int timeoutMs, int pollMs) const {
    return FindWindow(
        name, [](const QString&) { return true; }, timeoutMs, pollMs);
}

std::optional<QString> XSession::FindWindow(const QString& name,
                                            const std::function<bool(const QString&)>& wanted,
                                            int timeoutMs, int pollMs) const {
    std::optional<QString> found;
    WaitUntil(
        [&] {
            for (const QString& id : Windows(name)) {
                if (wanted(id)) {
                    found = id;
                    return true;
                }
            }
            return false;
        },
        timeoutMs, pollMs);
    return found;
}

QStringList XSession::VisibleWindows() const {
    return Windows(QStringLiteral(".*"));
}

QStringList XSession::Windows(const QString& name) const {
    const QString pattern = QStringLiteral("^") + name + QStringLiteral("$");
    auto out =
        Run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                        QStringLiteral("--name"), pattern});
    QStringList ids;
    if (out) {
        for (const QString& line : QString::fromLatin1(*out).split(u'\n', Qt::SkipEmptyParts)) {
            ids.push_back(line.trimmed());
        }
    }
    return ids;
}

std::optional<WindowGeometry> XSession::Geometry(const QString& windowId) const {
    auto out = Run(QStringLiteral("xdotool"),
                   {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), windowId});
    if (!out) {
        return std::nullopt;
    }
    WindowGeometry g;
    for (const QString& line : QString::fromLatin1(*out).split(u'\n', Qt::SkipEmptyParts)) {
        const auto kv = line.split(u'=');
        if (kv.size() != 2) {
            continue;
        }
        const int v = kv[1].toInt();
        if (kv[0] == QLatin1String("X"))
            g.x = v;
        if (kv[0] == QLatin1String("Y"))
            g.y = v;
        if (kv[0] == QLatin1String("WIDTH"))
            g.width = v;
        if (kv[0] == QLatin1String("HEIGHT"))
            g.height = v;
    }
    return g;
}

QString XSession::ActiveWindow() const {
    auto out = Run(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")});
    return out ? QString::fromLatin1(*out).trimmed() : QString();
}

bool XSession::Activate(const QString& windowId, int timeoutMs) const {
    // A request the window manager may not grant at once (a window still
    // being mapped), so asked again until the window is active.
    return WaitUntil(
        [&] {
            if (ActiveWindow() == windowId) {
                return true;
            }
            Run(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), windowId}, 5000);
            return ActiveWindow() == windowId;
        },
        timeoutMs, 100);
}

QImage XSession::Screenshot() const {
    auto out = Run(QStringLiteral("import"),
                   {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")});
    if (!out) {
        return {};
    }
    QImage image;
    image.loadFromData(*out, "PNG");
    return image.convertToFormat(QImage::Format_RGB32);
}

void XSession::MoveMouse(int x, int y) const {
    Run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QString::number(x), QString::number(y)});
}

void XSession::Click(int button) const {
    Run(QStringLiteral("xdotool"), {QStringLiteral("click"), QString::number(button)});
}

void XSession::Release(int button) const {
    Run(QStringLiteral("xdotool"), {QStringLiteral("mouseup"), QString::number(button)});
}

void XSession::Key(const QString& keys) const {
    QStringList args{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("60")};
    args += keys.split(u' ', Qt::SkipEmptyParts);
    Run(QStringLiteral("xdotool"), args);
}

void XSession::Type(const QString& text) const {
    Run(QStringLiteral("xdotool"),
        {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text});
}

}  // namespace quorbals::e2e
