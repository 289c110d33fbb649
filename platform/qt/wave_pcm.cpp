#include "platform/qt/wave_pcm.h"

#include <QByteArrayView>
#include <cstdint>

namespace quorbals {
namespace {

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kFloat = 3;
constexpr std::uint16_t kExtensible = 0xFFFE;
// What an output stream takes at most.
constexpr int kMostChannels = 32;
constexpr int kHighestRate = 384000;

std::uint32_t Read32(const char* at) {
    const auto* b = reinterpret_cast<const unsigned char*>(at);
    return b[0] | (b[1] << 8) | (b[2] << 16) | (std::uint32_t(b[3]) << 24);
}

std::uint16_t Read16(const char* at) {
    const auto* b = reinterpret_cast<const unsigned char*>(at);
    return std::uint16_t(b[0] | (b[1] << 8));
}

// The "fmt " chunk's layout as an audio format; invalid when unsupported.
QAudioFormat FormatOf(const char* body, std::uint32_t size) {
    QAudioFormat format;
    if (size < 16) {
        return format;
    }
    std::uint16_t tag = Read16(body);
    const std::uint16_t channels = Read16(body + 2);
    const std::uint32_t rate = Read32(body + 4);
    const std::uint16_t blockAlign = Read16(body + 12);
    const std::uint16_t bits = Read16(body + 14);
    if (tag == kExtensible) {
        if (size < 40) {
            return format;
        }
        // The sub-format's identifier starts with the plain format tag.
        tag = Read16(body + 24);
    }
    QAudioFormat::SampleFormat sample = QAudioFormat::Unknown;
    if (tag == kPcm && bits == 8) {
        sample = QAudioFormat::UInt8;
    } else if (tag == kPcm && bits == 16) {
        sample = QAudioFormat::Int16;
    } else if (tag == kPcm && bits == 32) {
        sample = QAudioFormat::Int32;
    } else if (tag == kFloat && bits == 32) {
        sample = QAudioFormat::Float;
    }
    if (sample == QAudioFormat::Unknown || channels < 1 || channels > kMostChannels || rate < 1 ||
        rate > kHighestRate || blockAlign != channels * (bits / 8)) {
        return format;
    }
    format.setSampleFormat(sample);
    format.setChannelCount(channels);
    format.setSampleRate(int(rate));
    return format;
}

}  // namespace

std::optional<WavePcm> DecodeWave(const QByteArray& file) {
    const QByteArrayView bytes(file);
    if (bytes.size() < 12 || bytes.first(4) != "RIFF" || bytes.sliced(8, 4) != "WAVE") {
        return std::nullopt;
    }
    WavePcm pcm;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArrayView id = bytes.sliced(at, 4);
        const std::uint32_t size = Read32(bytes.data() + at + 4);
        const qsizetype body = at + 8;
        const qsizetype left = bytes.size() - body;
        if (id == "fmt ") {
            if (size > left) {
                return std::nullopt;
            }
            pcm.format = FormatOf(bytes.data() + body, size);
            if (!pcm.format.isValid()) {
                return std::nullopt;
            }
        } else if (id == "data") {
            if (!pcm.format.isValid()) {
                return std::nullopt;
            }
            const qsizetype frame = pcm.format.bytesPerFrame();
            qsizetype length = qMin(qsizetype(size), left);
            length -= length % frame;
            pcm.samples = file.sliced(body, length);
            return pcm;
        }
        // Chunks are padded to an even length.
        at = body + qsizetype(size) + (size & 1);
    }
    return std::nullopt;
}

}  // namespace quorbals
