#include "app/audio/SoundEffects.h"

#include "TestMusicFiles.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <random>
#include <vector>

using namespace torvane;
using namespace torvane::testmusic;

namespace {

std::vector<int> PlayAndRecord(SoundEffects& sounds, std::initializer_list<int> ids) {
    std::vector<int> played;
    QObject::connect(&sounds, &SoundEffects::played, [&](int id) { played.push_back(id); });
    for (int id : ids) sounds.Play(id);
    return played;
}

class SoundEffectsTest : public testing::Test {
protected:
    QString location() const { return dir_.path() + "/%1.wav"; }
    QTemporaryDir dir_;
};

EffectSamples Ramp(std::size_t frames, qint16 step) {
    EffectSamples samples(2 * frames);
    for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = qint16(step * qint16(i % 64));
    return samples;
}

}  // namespace

TEST_F(SoundEffectsTest, BothSoundsLoadAndPlayWithoutAnAudioDevice) {
    WriteFile(dir_.filePath("101.wav"), Wav(1, 8, 22050, 2646));
    WriteFile(dir_.filePath("102.wav"), Wav(2, 16, 44100, 5292));
    SoundEffects sounds(nullptr, location());
    EXPECT_TRUE(sounds.loaded(101) && sounds.loaded(102));
    EXPECT_FALSE(sounds.onDevice());
    EXPECT_EQ(PlayAndRecord(sounds, {101, 102, 101, 999}), (std::vector<int>{101, 102, 101}));
    EXPECT_FALSE(sounds.loaded(999));
}

TEST_F(SoundEffectsTest, UnreadableSoundFailsQuietly) {
    WriteFile(dir_.filePath("101.wav"), QByteArray(300, '\x55'));
    SoundEffects sounds(nullptr, location());  // no 102.wav at all
    EXPECT_FALSE(sounds.loaded(101) || sounds.loaded(102));
    EXPECT_EQ(PlayAndRecord(sounds, {101, 102}), (std::vector<int>{101, 102}));
}

TEST_F(SoundEffectsTest, ProgramsOwnSoundsLoad) {
    if (!QFile::exists(":/sound/101.wav")) GTEST_SKIP() << "the sound resources are not built in";
    SoundEffects sounds;
    for (int id : SoundEffects::kSoundIds) EXPECT_TRUE(sounds.loaded(id)) << id;
}

// A 22050 Hz mono file becomes twice as many stereo frames, less one: each new frame between
// two of the file's is their mean, and both channels carry the mono sample.
TEST(EffectMixer, SoundsAreResampledToTheMixersRate) {
    std::optional<WavFile> wav = ParseWav(Wav(1, 16, 22050, 100));
    ASSERT_TRUE(wav);
    std::vector<qint16> original(200);
    WavToStereo16(*wav, 0, 100, original.data());
    const EffectSamples samples = ToEffectSamples(*wav);
    ASSERT_EQ(samples.size(), 2u * 199);
    for (std::size_t frame = 0; frame < 199; ++frame) {
        const int a = original[2 * (frame / 2)], b = original[2 * ((frame + 1) / 2)];
        EXPECT_NEAR(samples[2 * frame], (a + b) / 2, 1) << frame;
        EXPECT_EQ(samples[2 * frame], samples[2 * frame + 1]) << frame;
    }
    EXPECT_EQ(ToEffectSamples(*ParseWav(Wav(2, 16, 44100, 50))).size(), 100u);
}

// Sounds of one length, soft and loud, started in bursts between blocks of random sizes: every
// block is the clipped sum of the sounds as each began at its block's start, never more than
// the newest kMaxVoices of them, and silence once all have ended.
TEST(EffectMixer, RendersTheClippedSumOfTheSoundsPlaying) {
    const EffectSamples quiet = Ramp(600, 5), loud = Ramp(600, 1000);
    EffectMixer mixer;
    std::mt19937 random(3);
    struct Started {
        const EffectSamples* samples;
        std::size_t at;  // the mixer's frame it began on
    };
    std::vector<Started> started;
    std::size_t frame = 0;
    for (int block = 0; block < 200; ++block) {
        const int frames = std::uniform_int_distribution<int>(1, 700)(random);
        const int plays = std::uniform_int_distribution<int>(0, 12)(random) > 9 ? 9 : 0;
        for (int i = 0; i < plays + (block % 7 == 0); ++i) {
            const EffectSamples& s = (block + i) % 3 ? quiet : loud;
            mixer.play(s);
            started.push_back({&s, frame});
        }
        std::vector<qint16> out(2 * std::size_t(frames), 1);
        ASSERT_EQ(mixer.render(out.data(), frames), frames);
        // The voices heard are the newest kMaxVoices still playing when each block began.
        for (std::size_t i = 0; i < out.size(); ++i) {
            long sum = 0;
            std::size_t voices = 0;
            for (auto s = started.rbegin(); s != started.rend(); ++s) {
                const std::size_t offset = 2 * (frame - s->at) + i;
                if (offset >= s->samples->size() + i) continue;  // ended before this block
                if (++voices > EffectMixer::kMaxVoices) break;
                if (offset < s->samples->size()) sum += (*s->samples)[offset];
            }
            ASSERT_EQ(out[i], std::clamp<long>(sum, INT16_MIN, INT16_MAX))
                << "block " << block << " sample " << i;
        }
        frame += std::size_t(frames);
    }
    std::vector<qint16> tail(2 * 2000, 1);
    mixer.render(tail.data(), 2000);
    mixer.render(tail.data(), 2000);
    EXPECT_FALSE(mixer.playing());
    EXPECT_TRUE(std::all_of(tail.begin(), tail.end(), [](qint16 s) { return s == 0; }));
}
