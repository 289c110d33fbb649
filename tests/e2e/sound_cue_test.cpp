// The Qt sound cues as a listener hears them: the game's sound player plays
// the five wave files into a private PulseAudio server's null sink, and the
// sink's recording is held against the files.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "platform/qt/sound_cue.h"
#include "platform/qt/wave_pcm.h"
#include "tests/e2e/pulse_session.h"
#include "tests/support/temp_folder.h"

namespace quorbals {
namespace {

using e2e::PulseSession;
using Samples = std::vector<std::int16_t>;

constexpr int kRate = 22050;  // that of the shipped waves
// Quieter samples count as silence (about -54 dB).
constexpr int kLoud = 64;

PulseSession* session = nullptr;

qsizetype Ms(int milliseconds) {
    return qsizetype(milliseconds) * kRate / 1000;
}

double MsOf(qsizetype samples) {
    return double(samples) * 1000.0 / kRate;
}

Samples WaveSamples(const char* name) {
    QFile file(QStringLiteral(SOUNDS_DIR "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const std::optional<WavePcm> pcm = DecodeWave(file.readAll());
    if (!pcm || pcm->format.sampleRate() != kRate || pcm->format.channelCount() != 1 ||
        pcm->format.sampleFormat() != QAudioFormat::Int16) {
        return {};
    }
    Samples samples(std::size_t(pcm->samples.size() / 2));
    std::copy_n(reinterpret_cast<const std::int16_t*>(pcm->samples.constData()), samples.size(),
                samples.begin());
    return samples;
}

struct Span {
    qsizetype first = -1;  // first loud sample, -1 when there is none
    qsizetype last = -1;   // last loud sample
    qsizetype length() const { return first < 0 ? 0 : last - first + 1; }
};

Span LoudSpan(const Samples& s, qsizetype from, qsizetype to = -1) {
    Span span;
    to = to < 0 ? qsizetype(s.size()) : std::min(to, qsizetype(s.size()));
    for (qsizetype i = std::max<qsizetype>(from, 0); i < to; ++i) {
        if (std::abs(int(s[std::size_t(i)])) > kLoud) {
            if (span.first < 0) {
                span.first = i;
            }
            span.last = i;
        }
    }
    return span;
}

double Energy(const Samples& s, qsizetype from, qsizetype to) {
    double sum = 0;
    for (qsizetype i = std::max<qsizetype>(from, 0); i < std::min(to, qsizetype(s.size())); ++i) {
        sum += double(s[std::size_t(i)]) * s[std::size_t(i)];
    }
    return sum;
}

// Where in the recording, from `from` on, the wave starts, found by 64 of
// its samples 20 ms in (the sink records the very samples); -1 if nowhere.
// A part of another cue mixed in would spoil the match.
qsizetype Find(const Samples& recording, const Samples& wave, qsizetype from) {
    const qsizetype probe = Ms(20);
    const auto begin = wave.begin() + probe;
    const auto found = std::search(recording.begin() + std::max<qsizetype>(from + probe, 0),
                                   recording.end(), begin, begin + 64);
    return found == recording.end() ? -1 : qsizetype(found - recording.begin()) - probe;
}

// Waits until what was asked at `asked` has been heard through: sound,
// then a second of silence, and at least `length` samples recorded (a cue
// cut short ends the same way, only earlier). Gives up once a cue that late
// could not be one any more. Timed by the sink's clock, not by ours.
bool WaitHeardThrough(qsizetype asked, qsizetype length) {
    const auto& rec = session->recorded();
    const auto recorded = [&] { return qsizetype(rec.size()); };
    return PulseSession::WaitFor(
               [&] {
                   if (recorded() >= asked + length + Ms(10000)) {
                       return true;
                   }
                   const Span heard = LoudSpan(rec, asked);
                   return heard.first >= 0 && recorded() >= asked + length &&
                          recorded() - heard.last >= Ms(1000);
               },
               60000) &&
           LoudSpan(rec, asked).first >= 0;
}

// Waits until the cue asked at `asked` has sounded for 300 ms.
bool WaitPartHeard(qsizetype asked) {
    return PulseSession::WaitFor(
        [&] {
            const Span span = LoudSpan(session->recorded(), asked);
            return span.first >= 0 && qsizetype(session->recorded().size()) - span.first >= Ms(300);
        },
        20000);
}

class SoundCueTest : public ::testing::Test {
protected:
    SoundCueTest() : cd_(here_.path()), player_(SOUNDS_DIR "/", [this] { ++alerts_; }) {}
    void TearDown() override { EXPECT_EQ(alerts_, 0); }

    qsizetype now() const { return qsizetype(session->recorded().size()); }
    const Samples& rec() const { return session->recorded(); }

    test::TempFolder here_;  // no waves here: they come from the program's folder
    test::CurrentFolder cd_;
    int alerts_ = 0;
    QtSoundPlayer player_;
};

TEST_F(SoundCueTest, EachCuePlaysWhole) {
    for (const char* name : {"select.wav", "move.wav", "remove.wav", "add.wav", "end.wav"}) {
        const Samples wave = WaveSamples(name);
        ASSERT_FALSE(wave.empty()) << name;
        const Span whole = LoudSpan(wave, 0);
        const qsizetype asked = now();
        player_.Play(name);
        EXPECT_TRUE(WaitHeardThrough(asked, qsizetype(wave.size()))) << name << " never sounded";
        const Span heard = LoudSpan(rec(), asked);
        const double energy = Energy(rec(), asked, now()) / Energy(wave, 0, qsizetype(wave.size()));
        std::printf("%-10s recorded %7.1f ms of %7.1f ms, energy %5.3f of the file's\n", name,
                    MsOf(heard.length()), MsOf(whole.length()), energy);
        EXPECT_GE(heard.length(), whole.length() * 9 / 10) << name;
        EXPECT_GT(energy, 0.9) << name;
        EXPECT_LT(energy, 1.1) << name;
    }
}

TEST_F(SoundCueTest, ANewCueCutsOffTheOnePlaying) {
    const Samples end = WaveSamples("end.wav");
    const Samples select = WaveSamples("select.wav");
    ASSERT_FALSE(end.empty());
    ASSERT_FALSE(select.empty());
    const qsizetype asked = now();
    player_.Play("end.wav");
    ASSERT_TRUE(WaitPartHeard(asked));
    const qsizetype cut = now();
    player_.Play("select.wav");
    // Long enough for the rest of the first cue, had it gone on.
    ASSERT_TRUE(WaitHeardThrough(cut, qsizetype(end.size())));

    const qsizetype first = Find(rec(), end, asked);
    const qsizetype second = Find(rec(), select, cut);
    ASSERT_GE(first, 0) << "the first cue was never heard alone";
    ASSERT_GE(second, 0) << "the second cue was never heard alone";
    EXPECT_LT(second - first, qsizetype(end.size()));
    // The second cue whole, and nothing of the first after it.
    EXPECT_GE(LoudSpan(rec(), second).length(), LoudSpan(select, 0).length() * 9 / 10);
    EXPECT_EQ(LoudSpan(rec(), second + qsizetype(select.size())).length(), 0);
}

TEST_F(SoundCueTest, TheSameCueStartsOverWhenRepeated) {
    const Samples end = WaveSamples("end.wav");
    ASSERT_FALSE(end.empty());
    const qsizetype asked = now();
    player_.Play("end.wav");
    ASSERT_TRUE(WaitPartHeard(asked));
    const qsizetype again = now();
    player_.Play("end.wav");
    ASSERT_TRUE(WaitHeardThrough(again, qsizetype(end.size())));

    const qsizetype first = Find(rec(), end, asked);
    ASSERT_GE(first, 0);
    const qsizetype second = Find(rec(), end, first + 1);
    ASSERT_GE(second, 0) << "the repeated cue never started over alone";
    EXPECT_LT(second - first, qsizetype(end.size()));
    EXPECT_GE(LoudSpan(rec(), second).length(), LoudSpan(end, 0).length() * 9 / 10);
    EXPECT_EQ(LoudSpan(rec(), second + qsizetype(end.size())).length(), 0);
}

}  // namespace
}  // namespace quorbals

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (quorbals::e2e::PulseSession::ToolsMissing()) {
        std::printf("skipped: pulseaudio or parec is missing\n");
        return 77;
    }
    quorbals::e2e::PulseSession pulse(quorbals::kRate);
    if (!pulse.ok()) {
        std::fprintf(stderr, "no private sound server: %s\n", qPrintable(pulse.failure()));
        return 1;
    }
    // Before Qt's audio first looks for a server.
    pulse.UseInThisProcess();
    if (!pulse.StartRecording()) {
        std::fprintf(stderr, "parec recorded nothing\n");
        return 1;
    }
    quorbals::session = &pulse;
    return RUN_ALL_TESTS();
}
