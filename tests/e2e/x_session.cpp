#include "tests/e2e/x_session.h"

#include <QThread>

namespace quorbals::e2e {

void SleepMs(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

XSession::XSession() {
    xvfb_ = std::make_unique<QProcess>();
    // -displayfd 1: Xvfb picks a free display and prints its number.
    xvfb_->start(QStringLiteral("Xvfb"),
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                  QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                  QStringLiteral("tcp")});
    if (!xvfb_->waitForStarted(10000)) {
        return;
    }
    QByteArray number;
    for (int i = 0; i < 200 && !number.contains('\n'); ++i) {
        xvfb_->waitForReadyRead(100);
        number += xvfb_->readAllStandardOutput();
    }
    number = number.trimmed();
    if (number.isEmpty()) {
        return;
    }
    display_ = QStringLiteral(":") + QString::fromLatin1(number);

    wm_ = std::make_unique<QProcess>();
    wm_->setProcessEnvironment(environment());
    wm_->start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    if (!wm_->waitForStarted(10000)) {
        return;
    }
    // Give the window manager a moment to take over the root window.
    for (int i = 0; i < 50; ++i) {
        auto out = Run(QStringLiteral("xprop"),
                       {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
        if (out && out->contains("window id")) {
            break;
        }
        SleepMs(100);
    }
    ok_ = true;
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
    for (QProcess* p : {wm_.get(), xvfb_.get()}) {
        if (p && p->state() != QProcess::NotRunning) {
            p->terminate();
            if (!p->waitForFinished(3000)) {
                p->kill();
                p->waitForFinished(3000);
            }
        }
    }
}

QProcessEnvironment XSession::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
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
    for (int waited = 0;; waited += pollMs) {
        const QStringList ids = Windows(name);
        if (!ids.isEmpty()) {
            return ids.first();
        }
        if (waited >= timeoutMs) {
            return std::nullopt;
        }
        SleepMs(pollMs);
    }
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

void XSession::Activate(const QString& windowId) const {
    Run(QStringLiteral("xdotool"),
        {QStringLiteral("windowactivate"), QStringLiteral("--sync"), windowId}, 5000);
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
