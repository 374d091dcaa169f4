#include "app/audio/MidiFile.h"
#include "app/audio/MidiSource.h"

#include "TestMusicFiles.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

using namespace torvane;
using namespace torvane::testmusic;

namespace {

constexpr int kRate = int(MidiSynth::kSampleRate);
constexpr int kAudible = 2000;  // a piano note at velocity 100 peaks near 8400

// Renders up to `frames` frames in blocks of 1024 and returns those the source gave.
std::vector<qint16> Render(AudioSource& source, int frames) {
    std::vector<qint16> out;
    std::vector<qint16> block(2 * 1024);
    for (int done = 0; done < frames;) {
        const int rendered = source.render(block.data(), std::min(1024, frames - done));
        out.insert(out.end(), block.begin(), block.begin() + 2 * rendered);
        if (rendered < std::min(1024, frames - done)) break;
        done += rendered;
    }
    return out;
}

int Loudest(const std::vector<qint16>& samples) {
    int loudest = 0;
    for (qint16 s : samples) loudest = std::max(loudest, std::abs(int(s)));
    return loudest;
}

}  // namespace

TEST(MusicMidiTest, HeaderCheckAcceptsStandardMidiFilesOnly) {
    const QByteArray midi = Midi(2, 100);
    EXPECT_TRUE(IsStandardMidiFile(midi));
    QByteArray format3 = midi, noTracks = midi, shortHeader = midi, noTrackChunk = midi;
    format3[9] = 3;
    noTracks[11] = 0;
    shortHeader[7] = 5;
    noTrackChunk[14] = 'X';
    for (const QByteArray& bad : {format3, noTracks, shortHeader, noTrackChunk, midi.first(16),
                                  Rmi(midi), QByteArray("MThd")})
        EXPECT_FALSE(IsStandardMidiFile(bad)) << bad.toHex().constData();
}

TEST(MusicMidiTest, SynthPlaysTheNotesAndEndsSecondsAfterThem) {
    MidiSynth synth;
    const std::unique_ptr<MidiSource> source = MidiSource::Create(Midi(2, 100), synth);
    ASSERT_TRUE(source);
    const std::vector<qint16> piece = Render(*source, 10 * kRate);
    const int frames = int(piece.size() / 2);
    EXPECT_GT(frames, 2 * kRate);
    EXPECT_LT(frames, 4 * kRate);
    EXPECT_GT(Loudest({piece.begin(), piece.begin() + kRate / 5}),
              kAudible);  // the soundfont sounds
    EXPECT_EQ(source->render(std::vector<qint16>(2).data(), 1), 0);
}

TEST(MusicMidiTest, RmiSoundsExactlyLikeTheMidiInside) {
    const QByteArray midi = Midi(3, 50);
    MidiSynth synthA, synthB;
    const std::unique_ptr<MidiSource> plain = MidiSource::Create(midi, synthA);
    const std::unique_ptr<MidiSource> wrapped = MidiSource::Create(Rmi(midi), synthB);
    ASSERT_TRUE(plain && wrapped);
    EXPECT_EQ(Render(*plain, kRate / 4), Render(*wrapped, kRate / 4));
    EXPECT_FALSE(MidiSource::Create(Rmi(midi).chopped(3), synthA));
}

TEST(MusicMidiTest, RewindAfterTheEndPlaysThePieceAgain) {
    MidiSynth synth;
    const std::unique_ptr<MidiSource> source = MidiSource::Create(Midi(1, 100), synth);
    ASSERT_TRUE(source);
    Render(*source, 10 * kRate);
    source->rewind();
    const std::vector<qint16> again = Render(*source, kRate / 5);
    EXPECT_EQ(again.size(), size_t(2 * (kRate / 5)));
    EXPECT_GT(Loudest(again), kAudible);
}

TEST(MusicMidiTest, TracksThatCannotBeParsedEndThePieceAtOnce) {
    QByteArray broken = Midi(2, 100);
    broken.replace(22, broken.size() - 22, QByteArray(40, '\xff'));
    MidiSynth synth;
    const std::unique_ptr<MidiSource> source = MidiSource::Create(broken, synth);
    ASSERT_TRUE(source);
    EXPECT_LT(Render(*source, 10 * kRate).size(), size_t(2 * kRate));
}

namespace {

double Dbfs(double level) {
    return 20 * std::log10(level / 32768);
}

double RmsDbfs(const std::vector<qint16>& samples) {
    double sum = 0;
    for (qint16 s : samples) sum += double(s) * s;
    return Dbfs(std::sqrt(sum / double(samples.size())));
}

// The longest run of equal consecutive samples of one channel above half of full scale: the
// flat tops that clipping cuts into waves. Music has at most two or three near a bass peak.
int LongestFlatTop(const std::vector<qint16>& samples) {
    int longest = 0;
    for (size_t channel = 0; channel < 2; ++channel)
        for (size_t i = channel + 2, run = 1; i < samples.size(); i += 2) {
            const bool flat = samples[i] == samples[i - 2] && std::abs(int(samples[i])) > 16384;
            run = flat ? run + 1 : 1;
            longest = std::max(longest, int(run));
        }
    return longest;
}

}  // namespace

// Music players expect background music near the level of mastered recordings, about -18 dBFS
// RMS; a plain piano melody at mezzo-forte should sit close to that, not 20 dB below.
TEST(MusicMidiTest, PianoMelodyPlaysAtTheLevelOfRecordedMusic) {
    MidiSynth synth;
    const std::unique_ptr<MidiSource> source = MidiSource::Create(Midi(16, 250), synth);
    ASSERT_TRUE(source);
    const std::vector<qint16> melody = Render(*source, 4 * kRate);
    ASSERT_EQ(melody.size(), size_t(2 * 4 * kRate));
    const double rms = RmsDbfs(melody);
    EXPECT_GT(rms, -26.0);
    EXPECT_LT(rms, -12.0);
    EXPECT_LT(Dbfs(Loudest(melody)), -1.0);
}

// Sixty-four fortissimo voices with full reverb and chorus are brought under full scale by the
// limiter instead of clipping, and still play loud.
TEST(MusicMidiTest, FullOrchestraNeverReachesFullScale) {
    MidiSynth synth;
    const std::unique_ptr<MidiSource> source = MidiSource::Create(DenseMidi(8, 500), synth);
    ASSERT_TRUE(source);
    const std::vector<qint16> piece = Render(*source, 10 * kRate);
    EXPECT_GT(piece.size(), size_t(2 * 4 * kRate));
    EXPECT_LT(Loudest(piece), 32767);
    EXPECT_LT(LongestFlatTop(piece), 4);
    EXPECT_GT(Dbfs(Loudest(piece)), -3.0);  // loud enough that the limiter had work to do
}
