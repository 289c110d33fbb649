// Sound cues: short wave files started by their bare name.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "platform/qt/wave_file_locator.h"
#include "platform/qt/wave_pcm.h"

class QAudioSink;
class QBuffer;

namespace quorbals {

// Starts a wave file by its bare name and returns at once. Whether sound is
// switched on is the caller's business. Tests record the names instead.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void Play(const char* waveName) = 0;
};

// Plays through Qt Multimedia. A cue plays to its last sample unless a new
// cue cuts it off, the same cue included, so a repeated cue restarts. A
// file that is missing or cannot be decoded gives the default alert
// instead; with no audio output nothing is heard and nothing waits.
class QtSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    // alert defaults to QApplication::beep. Needs the application object.
    explicit QtSoundPlayer(std::string exeDir, std::function<void()> alert = {},
                           QObject* parent = nullptr);
    ~QtSoundPlayer() override;

    void Play(const char* waveName) override;

private:
    struct Cue {
        std::optional<WavePcm> pcm;  // none when missing or undecodable
        QBuffer* source = nullptr;   // reads pcm's samples
        qint64 microseconds = 0;     // how long the samples last
    };

    Cue& CueFor(const std::string& waveName);
    void Cut();
    void ReleaseOnceHeard();

    WaveFileLocator locator_;
    std::function<void()> alert_;
    std::map<std::string, Cue> cues_;
    // The one output stream, of the cue last started, until that cue is
    // heard to its end or cut off.
    QAudioSink* sink_ = nullptr;
    const Cue* playing_ = nullptr;
    QElapsedTimer started_;
    bool allTaken_ = false;  // the server has every sample of the cue
    QElapsedTimer allTakenClock_;
    QTimer endWatch_;
};

}  // namespace quorbals
