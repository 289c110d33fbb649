#include "platform/qt/wave_pcm.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <cstdint>
#include <initializer_list>

namespace quorbals {
namespace {

QByteArray Le(std::uint32_t value, int bytes) {
    QByteArray out;
    for (int i = 0; i < bytes; ++i) {
        out.append(char((value >> (8 * i)) & 0xFF));
    }
    return out;
}

QByteArray Chunk(const char* id, const QByteArray& body, std::uint32_t declared = 0) {
    QByteArray out = QByteArray(id, 4) + Le(declared != 0 ? declared : body.size(), 4) + body;
    if (body.size() % 2 != 0 && declared == 0) {
        out.append('\0');
    }
    return out;
}

QByteArray Fmt(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
    const std::uint16_t align = std::uint16_t(channels * (bits / 8));
    return Le(tag, 2) + Le(channels, 2) + Le(rate, 4) + Le(rate * align, 4) + Le(align, 2) +
           Le(bits, 2);
}

// The extensible layout: the plain one, then the sub-format's identifier.
QByteArray ExtensibleFmt(std::uint16_t subTag, std::uint16_t channels, std::uint32_t rate,
                         std::uint16_t bits) {
    return Fmt(0xFFFE, channels, rate, bits) + Le(22, 2) + Le(bits, 2) + Le(0, 4) + Le(subTag, 2) +
           QByteArray("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
}

QByteArray Wave(std::initializer_list<QByteArray> chunks) {
    QByteArray body = "WAVE";
    for (const QByteArray& c : chunks) {
        body += c;
    }
    return "RIFF" + Le(body.size(), 4) + body;
}

TEST(WavePcmTest, ReadsEachSampleLayoutAnOutputTakes) {
    const QByteArray samples("\x01\x02\x03\x04\x05\x06\x07\x08", 8);
    const struct {
        QByteArray fmt;
        QAudioFormat::SampleFormat sample;
        int channels;
    } cases[] = {
        {Fmt(1, 1, 22050, 16), QAudioFormat::Int16, 1},
        {Fmt(1, 2, 22050, 8), QAudioFormat::UInt8, 2},
        {Fmt(1, 1, 22050, 32), QAudioFormat::Int32, 1},
        {Fmt(3, 2, 22050, 32), QAudioFormat::Float, 2},
        {ExtensibleFmt(1, 2, 22050, 16), QAudioFormat::Int16, 2},
        {ExtensibleFmt(3, 1, 22050, 32), QAudioFormat::Float, 1},
    };
    for (const auto& c : cases) {
        const auto pcm = DecodeWave(Wave({Chunk("fmt ", c.fmt), Chunk("data", samples)}));
        ASSERT_TRUE(pcm.has_value()) << c.sample;
        EXPECT_EQ(pcm->format.sampleFormat(), c.sample);
        EXPECT_EQ(pcm->format.channelCount(), c.channels);
        EXPECT_EQ(pcm->format.sampleRate(), 22050);
        EXPECT_EQ(pcm->samples, samples);
    }
}

TEST(WavePcmTest, SkipsOtherChunksAndKeepsTheWholeFramesOfAShortDataChunk) {
    // An odd-sized chunk is padded; the data chunk claims more than is there.
    const QByteArray file = Wave({Chunk("LIST", "abc"), Chunk("fmt ", Fmt(1, 2, 8000, 16)),
                                  Chunk("fact", "wxyz"), Chunk("data", "1234567", 4096)});
    const auto pcm = DecodeWave(file);
    ASSERT_TRUE(pcm.has_value());
    EXPECT_EQ(pcm->format.sampleRate(), 8000);
    EXPECT_EQ(pcm->samples, QByteArray("1234"));

    const auto empty = DecodeWave(Wave({Chunk("fmt ", Fmt(1, 1, 8000, 16)), Chunk("data", "")}));
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->samples.isEmpty());
}

TEST(WavePcmTest, RefusesWhatIsNotAWaveOfPlainSamples) {
    const QByteArray data = Chunk("data", "12345678");
    QByteArray notRiff = Wave({Chunk("fmt ", Fmt(1, 1, 22050, 16)), data});
    notRiff.replace(0, 4, "RIFX");
    QByteArray notWave = Wave({Chunk("fmt ", Fmt(1, 1, 22050, 16)), data});
    notWave.replace(8, 4, "AVI ");
    QByteArray badAlign = Fmt(1, 2, 22050, 16);
    badAlign[12] = 3;
    const QByteArray refused[] = {
        QByteArray(),
        QByteArray("RIFF"),
        notRiff,
        notWave,
        Wave({Chunk("fmt ", Fmt(2, 1, 22050, 4)), data}),  // ADPCM
        Wave({Chunk("fmt ", Fmt(1, 1, 22050, 24)), data}),
        Wave({Chunk("fmt ", Fmt(3, 1, 22050, 64)), data}),
        Wave({Chunk("fmt ", Fmt(1, 0, 22050, 16)), data}),
        Wave({Chunk("fmt ", Fmt(1, 1, 0, 16)), data}),
        Wave({Chunk("fmt ", badAlign), data}),
        Wave({Chunk("fmt ", ExtensibleFmt(2, 1, 22050, 16)), data}),
        Wave({Chunk("fmt ", Fmt(1, 1, 22050, 16).left(14)), data}),
        Wave({data, Chunk("fmt ", Fmt(1, 1, 22050, 16))}),
        Wave({Chunk("fmt ", Fmt(1, 1, 22050, 16))}),
        Wave({Chunk("fmt ", Fmt(1, 1, 22050, 16), 400)}),
    };
    int index = 0;
    for (const QByteArray& file : refused) {
        EXPECT_FALSE(DecodeWave(file).has_value()) << "case " << index;
        ++index;
    }
}

}  // namespace
}  // namespace quorbals
