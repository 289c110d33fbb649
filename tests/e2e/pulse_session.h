// A private sound server for end-to-end tests: a PulseAudio daemon of its own
// (no system configuration, no autospawn, its socket, runtime and state in a
// temporary folder) whose one output is a null sink, and a recorder of what
// that sink plays, taken from its monitor with parec.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace quorbals::e2e {

class PulseSession {
public:
    // The null sink plays and records in this format (16-bit mono), so
    // that a wave of the same format is recorded sample for sample.
    explicit PulseSession(int sampleRate);
    ~PulseSession();
    PulseSession(const PulseSession&) = delete;
    PulseSession& operator=(const PulseSession&) = delete;

    // The daemon and the recorder are missing, which is no failure.
    static bool ToolsMissing();

    bool ok() const { return ok_; }
    const QString& failure() const { return failure_; }
    int sampleRate() const { return rate_; }

    // Points this process's sound client, HOME and XDG folders at the
    // session; before the first use of Qt's audio.
    void UseInThisProcess() const;

    // Starts recording the sink; true once the first samples came in.
    bool StartRecording(int timeoutMs = 20000);
    // Everything recorded so far, one sample a frame. Grows only while
    // events are processed (see WaitFor).
    const std::vector<std::int16_t>& recorded() const { return samples_; }

    // Runs the event loop until `done` holds or `timeoutMs` has passed;
    // true when it held.
    static bool WaitFor(const std::function<bool()>& done, int timeoutMs);

private:
    QProcessEnvironment ClientEnvironment() const;
    void TakeRecorded();

    int rate_;
    bool ok_ = false;
    QString failure_;
    QTemporaryDir dir_;
    std::unique_ptr<QProcess> daemon_;
    std::unique_ptr<QProcess> recorder_;
    QByteArray pending_;  // an odd byte left over
    std::vector<std::int16_t> samples_;
};

}  // namespace quorbals::e2e
