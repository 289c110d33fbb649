// Sound cues: short wave files started by their bare name.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <string>

#include "platform/qt/wave_file_locator.h"

class QSoundEffect;

namespace quorbals {

// Starts a wave file by its bare name and returns at once. Whether sound is
// switched on is the caller's business. Tests record the names instead.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void Play(const char* waveName) = 0;
};

// Plays through Qt Multimedia. A new cue cuts off the one still playing,
// the same cue included, so a repeated cue restarts. A file that is missing
// or cannot be decoded gives the default alert instead; with no audio
// output nothing is heard and nothing waits.
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
        QSoundEffect* effect = nullptr;  // null when the file was not found
        bool broken = false;             // the file could not be decoded
    };

    Cue& CueFor(const std::string& waveName);
    void OnStatusChanged(QSoundEffect* effect);

    WaveFileLocator locator_;
    std::function<void()> alert_;
    std::map<std::string, Cue> cues_;
    QSoundEffect* current_ = nullptr;  // the last cue started
};

}  // namespace quorbals
