#include "app/audio/MusicPlayer.h"

#include "ParamName.h"
#include "SignalWait.h"
#include "TestMusicFiles.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

using namespace torvane;
using namespace torvane::testmusic;

namespace {

// A MIDI piece ends about two seconds after its last note, a WAV piece with its last frame.
constexpr int kMidiTimeoutMs = 10000;
constexpr int kWavTimeoutMs = 3000;

class MusicPlayerTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        player_.setLoopFlag(1);
    }

    QString file(const QString& name, QByteArrayView bytes) {
        return WriteFile(dir_.filePath(name), bytes);
    }
    // 0.1 s at 8000 Hz.
    QString shortWav(const QString& name = "tone.wav") { return file(name, Wav(1, 8, 8000, 800)); }
    // Chooses the file as the menu does; the test then drives the status updates itself.
    void choose(const QString& path) {
        player_.ChooseFile(path);
        player_.setUpdateInterval(0);
    }
    bool waitForEnd(int timeoutMs) {
        return WaitForSignal(&player_, &MusicPlayer::finished, timeoutMs);
    }

    QTemporaryDir dir_;
    MusicPlayer player_;
};

}  // namespace

TEST_F(MusicPlayerTest, LoopCommandsDoNothingBeforeAFileIsChosen) {
    player_.StartLoop();
    EXPECT_EQ(player_.updateInterval(), 0);
    player_.StopLoop();
    player_.StatusUpdate();
    for (auto command : {&MusicPlayer::Play, &MusicPlayer::Stop, &MusicPlayer::Prev})
        (player_.*command)();
    EXPECT_EQ(player_.mode(), MusicPlayer::kModeNotOpen);
    EXPECT_TRUE(player_.fileName().isEmpty());
}

TEST_F(MusicPlayerTest, ChosenWavStartsAtTheNextStatusUpdateAndLoops) {
    player_.ChooseFile(shortWav());
    EXPECT_EQ(player_.deviceType(), MusicPlayer::kWaveAudio);
    EXPECT_EQ(player_.updateInterval(), MusicPlayer::kLoopIntervalMs);
    EXPECT_EQ(player_.mode(), MusicPlayer::kModeStopped);
    player_.setUpdateInterval(0);

    for (int round = 0; round < 2; ++round) {
        player_.StatusUpdate();
        EXPECT_EQ(player_.mode(), MusicPlayer::kModePlaying);
        ASSERT_TRUE(waitForEnd(kWavTimeoutMs)) << "round " << round;
        EXPECT_EQ(player_.mode(), MusicPlayer::kModeStopped);
    }
}

TEST_F(MusicPlayerTest, StatusUpdateRestartsOnlyWhileTheLoopFlagIsOne) {
    choose(shortWav());
    player_.setLoopFlag(0);
    player_.StatusUpdate();
    EXPECT_EQ(player_.mode(), MusicPlayer::kModeStopped);
}

TEST_F(MusicPlayerTest, StopLoopStopsThePieceAndKeepsTheFileOpen) {
    choose(shortWav());
    player_.StatusUpdate();
    player_.StartLoop();
    player_.StopLoop();
    EXPECT_EQ(player_.updateInterval(), 0);
    EXPECT_EQ(player_.mode(), MusicPlayer::kModeStopped);
    EXPECT_FALSE(waitForEnd(300)) << "the stopped piece went on playing";

    player_.StartLoop();
    EXPECT_EQ(player_.updateInterval(), MusicPlayer::kLoopIntervalMs);
    player_.setUpdateInterval(0);
    player_.StatusUpdate();
    EXPECT_TRUE(waitForEnd(kWavTimeoutMs));
}

class MusicPlayerSequencerTest : public MusicPlayerTest,
                                 public testing::WithParamInterface<const char*> {};

TEST_P(MusicPlayerSequencerTest, PlaysTheFileToItsEnd) {
    const QString name = GetParam();
    const QByteArray midi = Midi(1, 50);
    choose(file(name, name.endsWith("mid", Qt::CaseInsensitive) ? midi : Rmi(midi)));
    EXPECT_EQ(player_.deviceType(), MusicPlayer::kSequencer);
    EXPECT_EQ(player_.mode(), MusicPlayer::kModeStopped);
    player_.StatusUpdate();
    EXPECT_EQ(player_.mode(), MusicPlayer::kModePlaying);
    EXPECT_TRUE(waitForEnd(kMidiTimeoutMs));
    EXPECT_EQ(player_.mode(), MusicPlayer::kModeStopped);
}

INSTANTIATE_TEST_SUITE_P(Endings, MusicPlayerSequencerTest,
                         testing::Values("lower.mid", "UPPER.RMI"),
                         [](const auto& test) { return ParamName(test.param); });

TEST_F(MusicPlayerTest, UnknownEndingKeepsThePreviousDeviceType) {
    choose(file("first.txt", Wav(1, 8, 8000, 800)));
    EXPECT_TRUE(player_.deviceType().isEmpty());
    EXPECT_EQ(player_.mode(), MusicPlayer::kModeNotOpen);

    choose(shortWav());
    choose(file("second.txt", Wav(1, 8, 8000, 800)));
    EXPECT_EQ(player_.deviceType(), MusicPlayer::kWaveAudio);
    EXPECT_EQ(player_.mode(), MusicPlayer::kModeStopped);
}

TEST_F(MusicPlayerTest, UnplayableFileLeavesThePlayerClosedAndQuiet) {
    QByteArray garbage(5000, '\0');
    for (int i = 0; i < garbage.size(); ++i) garbage[i] = char(i * 7919 % 251);
    const QByteArray wav = Wav(1, 8, 8000, 800);
    const QString paths[] = {
        file("garbage.mid", garbage),
        file("garbage.wav", garbage),
        file("empty.mid", ""),
        file("midi-inside.wav", Midi(2, 100)),
        file("cut.rmi", Rmi(Midi(2, 100)).first(40)),
        file("wave-inside.mid", wav),
        dir_.filePath("missing.wav"),
        dir_.path() + "/.WAV",
    };
    QDir(dir_.path()).mkdir(".WAV");
    for (const QString& path : paths) {
        choose(path);
        EXPECT_EQ(player_.mode(), MusicPlayer::kModeNotOpen) << path.toStdString();
        player_.StatusUpdate();
        player_.Play();
        player_.StopLoop();
        EXPECT_EQ(player_.mode(), MusicPlayer::kModeNotOpen) << path.toStdString();
    }
}

TEST_F(MusicPlayerTest, AnotherFileReplacesTheOpenOne) {
    choose(shortWav());
    player_.StatusUpdate();
    choose(file("next.mid", Midi(1, 50)));  // closes the playing WAV first
    EXPECT_EQ(player_.deviceType(), MusicPlayer::kSequencer);
    EXPECT_EQ(player_.mode(), MusicPlayer::kModeStopped);

    player_.Close();
    EXPECT_EQ(player_.mode(), MusicPlayer::kModeNotOpen);
    player_.setFileName(shortWav());
    player_.setDeviceType(MusicPlayer::kWaveAudio);
    player_.Open();
    EXPECT_EQ(player_.mode(), MusicPlayer::kModeStopped);
    player_.Play();
    EXPECT_TRUE(waitForEnd(kWavTimeoutMs));
}
