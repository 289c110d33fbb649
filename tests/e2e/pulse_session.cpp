#include "tests/e2e/pulse_session.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <cstring>

#include <signal.h>
#include <sys/prctl.h>

namespace quorbals::e2e {
namespace {

constexpr const char* kSink = "cues";

void Stop(QProcess* p) {
    if (p != nullptr && p->state() != QProcess::NotRunning) {
        p->terminate();
        if (!p->waitForFinished(5000)) {
            p->kill();
            p->waitForFinished(5000);
        }
    }
}

// The daemon is told to stay until it is stopped: should this program end
// without stopping it (a crash), it goes too, and so does the recorder.
void EndWithThisProgram(QProcess& p) {
    p.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

bool WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

}  // namespace

bool PulseSession::ToolsMissing() {
    return QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty() ||
           QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty();
}

bool PulseSession::WaitFor(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() >= timeoutMs) {
            loop.quit();
        }
    });
    if (done()) {
        return true;
    }
    poll.start(10);
    loop.exec();
    return done();
}

PulseSession::PulseSession(int sampleRate) : rate_(sampleRate) {
    if (!dir_.isValid()) {
        failure_ = QStringLiteral("no temporary folder");
        return;
    }
    const QString root = dir_.path();
    for (const char* folder : {"config", "data", "cache", "state", "runtime", "pulse-state"}) {
        QDir(root).mkpath(QLatin1String(folder));
    }
    QFile::setPermissions(root + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Empty files in place of the system's daemon.conf and client.conf; no
    // client may start a daemon of its own.
    if (!WriteFile(root + QStringLiteral("/daemon.conf"), {}) ||
        !WriteFile(root + QStringLiteral("/client.conf"), "autospawn = no\nenable-memfd = no\n")) {
        failure_ = QStringLiteral("cannot write the configuration files");
        return;
    }
    const QString socket = root + QStringLiteral("/native");

    QProcessEnvironment env = ClientEnvironment();
    env.remove(QStringLiteral("PULSE_SERVER"));
    env.insert(QStringLiteral("PULSE_CONFIG"), root + QStringLiteral("/daemon.conf"));
    env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), root + QStringLiteral("/runtime/pulse"));
    env.insert(QStringLiteral("PULSE_STATE_PATH"), root + QStringLiteral("/pulse-state"));
    // Neither the user's session bus nor an X display is any business of
    // this daemon.
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    env.remove(QStringLiteral("DISPLAY"));
    daemon_ = std::make_unique<QProcess>();
    EndWithThisProgram(*daemon_);
    daemon_->setProcessEnvironment(env);
    daemon_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The sink does not rewind: what it has rendered is what it records,
    // and a new stream never writes over the start of the recording.
    daemon_->start(QStringLiteral("pulseaudio"),
                   {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                    QStringLiteral("--system=no"), QStringLiteral("--use-pid-file=no"),
                    QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--log-target=stderr"),
                    QStringLiteral("--log-level=error"), QStringLiteral("-L"),
                    QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket,
                    QStringLiteral("-L"),
                    QStringLiteral("module-null-sink sink_name=%1 format=s16le channels=1 rate=%2 "
                                   "norewinds=1")
                        .arg(QLatin1String(kSink))
                        .arg(rate_)});
    if (!daemon_->waitForStarted(10000)) {
        failure_ = QStringLiteral("pulseaudio did not start");
        return;
    }
    WaitFor([&] { return QFileInfo::exists(socket) || daemon_->state() == QProcess::NotRunning; },
            20000);
    if (daemon_->state() == QProcess::NotRunning || !QFileInfo::exists(socket)) {
        failure_ = QStringLiteral("pulseaudio ended or never made its socket");
        return;
    }
    ok_ = true;
}

PulseSession::~PulseSession() {
    Stop(recorder_.get());
    Stop(daemon_.get());
}

QProcessEnvironment PulseSession::ClientEnvironment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString root = dir_.path();
    env.insert(QStringLiteral("HOME"), root);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), root + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), root + QStringLiteral("/cache"));
    env.insert(QStringLiteral("XDG_STATE_HOME"), root + QStringLiteral("/state"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root + QStringLiteral("/runtime"));
    env.insert(QStringLiteral("PULSE_SERVER"),
               QStringLiteral("unix:") + root + QStringLiteral("/native"));
    env.insert(QStringLiteral("PULSE_CLIENTCONFIG"), root + QStringLiteral("/client.conf"));
    return env;
}

void PulseSession::UseInThisProcess() const {
    const QProcessEnvironment env = ClientEnvironment();
    for (const char* name :
         {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME",
          "XDG_RUNTIME_DIR", "PULSE_SERVER", "PULSE_CLIENTCONFIG"}) {
        qputenv(name, QFile::encodeName(env.value(QLatin1String(name))));
    }
}

bool PulseSession::StartRecording(int timeoutMs) {
    recorder_ = std::make_unique<QProcess>();
    EndWithThisProgram(*recorder_);
    recorder_->setProcessEnvironment(ClientEnvironment());
    recorder_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QObject::connect(recorder_.get(), &QProcess::readyReadStandardOutput, recorder_.get(),
                     [this] { TakeRecorded(); });
    // Small fragments, so that the recording keeps up with the sink.
    recorder_->start(
        QStringLiteral("parec"),
        {QStringLiteral("--device=%1.monitor").arg(QLatin1String(kSink)), QStringLiteral("--raw"),
         QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
         QStringLiteral("--rate=%1").arg(rate_), QStringLiteral("--latency-msec=10")});
    if (!recorder_->waitForStarted(10000)) {
        return false;
    }
    // The sink plays silence while idle: samples arriving mean the monitor
    // is connected, and nothing played from now on is missed.
    return WaitFor([&] { return !samples_.empty() || recorder_->state() == QProcess::NotRunning; },
                   timeoutMs) &&
           !samples_.empty();
}

void PulseSession::TakeRecorded() {
    pending_ += recorder_->readAllStandardOutput();
    const qsizetype whole = pending_.size() / 2;
    const std::size_t before = samples_.size();
    samples_.resize(before + std::size_t(whole));
    std::memcpy(samples_.data() + before, pending_.constData(), std::size_t(whole) * 2);
    pending_.remove(0, whole * 2);
}

}  // namespace quorbals::e2e
