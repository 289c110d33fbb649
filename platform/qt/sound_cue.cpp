#include "platform/qt/sound_cue.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>
#include <utility>

namespace quorbals {
namespace {

// How often a cue that may have ended is looked at.
constexpr int kEndWatchMs = 100;
// How long a stream stays after the server has taken its last sample: the
// output still has that much to play (its latency, which Qt does not tell).
constexpr qint64 kOutputLatencyMs = 2000;
// How long past its length a cue may take before its stream goes regardless
// (a stalled server).
constexpr qint64 kLongestLateEndMs = 10000;

std::optional<WavePcm> ReadWave(const std::string& path) {
    QFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return DecodeWave(file.readAll());
}

}  // namespace

QtSoundPlayer::QtSoundPlayer(std::string exeDir, std::function<void()> alert, QObject* parent)
    : QObject(parent), locator_(std::move(exeDir)), alert_(std::move(alert)) {
    if (!alert_) {
        alert_ = [] { QApplication::beep(); };
    }
    endWatch_.setInterval(kEndWatchMs);
    connect(&endWatch_, &QTimer::timeout, this, &QtSoundPlayer::ReleaseOnceHeard);
}

QtSoundPlayer::~QtSoundPlayer() {
    Cut();
}

QtSoundPlayer::Cue& QtSoundPlayer::CueFor(const std::string& waveName) {
    auto known = cues_.find(waveName);
    if (known != cues_.end()) {
        return known->second;
    }
    Cue cue;
    const std::string& path = locator_.Locate(waveName);
    if (!path.empty()) {
        // The files are short: read whole at the first cue and kept.
        cue.pcm = ReadWave(path);
    }
    if (cue.pcm) {
        cue.source = new QBuffer(this);
        cue.source->setData(cue.pcm->samples);
        cue.source->open(QIODevice::ReadOnly);
        cue.microseconds = cue.pcm->format.durationForBytes(cue.pcm->samples.size());
    }
    return cues_.emplace(waveName, std::move(cue)).first->second;
}

void QtSoundPlayer::Cut() {
    endWatch_.stop();
    playing_ = nullptr;
    if (sink_ != nullptr) {
        // Stopping drops what the stream still holds, at once. Deleting runs
        // events (Qt's own sink does), so it waits until nothing of ours is
        // under way; stopped first, nothing queued for the sink touches the
        // closed stream.
        QAudioSink* sink = std::exchange(sink_, nullptr);
        sink->stop();
        sink->deleteLater();
    }
}

void QtSoundPlayer::Play(const char* waveName) {
    Cut();
    Cue& cue = CueFor(waveName != nullptr ? waveName : "");
    if (!cue.pcm) {
        alert_();
        return;
    }
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    // Without an output device Qt would only complain on every cue.
    if (output.isNull() || cue.pcm->samples.isEmpty()) {
        return;
    }
    // A sink of its own for each cue follows a change of the default output.
    // It pulls the samples and, once they run out, drains what the server
    // still holds; stopping it then would cut off the cue's last part.
    sink_ = new QAudioSink(output, cue.pcm->format, this);
    playing_ = &cue;
    cue.source->seek(0);
    sink_->start(cue.source);
    started_.start();
    allTaken_ = false;
    endWatch_.start();
}

void QtSoundPlayer::ReleaseOnceHeard() {
    if (sink_ == nullptr) {
        endWatch_.stop();
        return;
    }
    // The sink's processed time reaches the cue's length once the server has
    // taken every sample; the output plays them a little later. An idle
    // stream would keep the output awake for the rest of the run.
    if (!allTaken_ && sink_->processedUSecs() >= playing_->microseconds) {
        allTaken_ = true;
        allTakenClock_.start();
    }
    const bool played = allTaken_ && allTakenClock_.elapsed() >= kOutputLatencyMs;
    const bool failed = sink_->state() == QAudio::StoppedState;
    const bool late = started_.elapsed() > playing_->microseconds / 1000 + kLongestLateEndMs;
    if (played || failed || late) {
        Cut();
    }
}

}  // namespace quorbals
