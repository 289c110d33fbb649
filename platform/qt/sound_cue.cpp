#include "platform/qt/sound_cue.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <utility>

namespace quorbals {

QtSoundPlayer::QtSoundPlayer(std::string exeDir, std::function<void()> alert, QObject* parent)
    : QObject(parent), locator_(std::move(exeDir)), alert_(std::move(alert)) {
    if (!alert_) {
        alert_ = [] { QApplication::beep(); };
    }
}

QtSoundPlayer::~QtSoundPlayer() = default;

QtSoundPlayer::Cue& QtSoundPlayer::CueFor(const std::string& waveName) {
    auto known = cues_.find(waveName);
    if (known != cues_.end()) {
        return known->second;
    }
    Cue cue;
    const std::string& path = locator_.Locate(waveName);
    if (!path.empty()) {
        // Loading runs in the background; a cue started meanwhile plays
        // once the samples are ready.
        cue.effect = new QSoundEffect(this);
        QSoundEffect* effect = cue.effect;
        connect(effect, &QSoundEffect::statusChanged, this,
                [this, effect] { OnStatusChanged(effect); });
        effect->setSource(QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(path))));
    }
    return cues_.emplace(waveName, cue).first->second;
}

void QtSoundPlayer::OnStatusChanged(QSoundEffect* effect) {
    if (effect->status() != QSoundEffect::Error) {
        return;
    }
    for (auto& [name, cue] : cues_) {
        if (cue.effect == effect && !cue.broken) {
            cue.broken = true;
            // Only the latest cue may still be waiting to sound.
            if (current_ == effect) {
                current_ = nullptr;
                alert_();
            }
        }
    }
}

void QtSoundPlayer::Play(const char* waveName) {
    if (current_ != nullptr) {
        current_->stop();
        current_ = nullptr;
    }
    Cue& cue = CueFor(waveName != nullptr ? waveName : "");
    if (cue.effect == nullptr || cue.broken) {
        alert_();
        return;
    }
    current_ = cue.effect;
    // Without an output device Qt would only complain on every cue.
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        return;
    }
    cue.effect->play();
}

}  // namespace quorbals
