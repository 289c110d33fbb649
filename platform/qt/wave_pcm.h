// The samples of a sound cue's wave file, in the layout the audio output takes.
#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <optional>

namespace quorbals {

struct WavePcm {
    QAudioFormat format;
    QByteArray samples;  // whole frames only
};

// Reads a RIFF wave file of integer PCM (8, 16 or 32 bits) or 32-bit float
// samples, plain or in the extensible layout. Nothing when the file is not
// such a wave; a data chunk that ends early keeps the frames it has.
std::optional<WavePcm> DecodeWave(const QByteArray& file);

}  // namespace quorbals
