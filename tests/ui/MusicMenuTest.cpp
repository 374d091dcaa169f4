#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "FileDialogAnswerer.h"
#include "ParamName.h"
#include "SignalWait.h"
#include "TestMusicFiles.h"
#include "UiHelpers.h"

using namespace torvane;
using namespace torvane::testmusic;

namespace {

// The player's own 55 ms timer starts a chosen piece; a MIDI piece rings on about two seconds
// after its last note.
constexpr int kStartTimeoutMs = 3000;
constexpr int kEndTimeoutMs = 10000;

class MusicMenuTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    MusicPlayer& music() { return f.form.music(); }
    QString file(const QString& name, QByteArrayView bytes) {
        return WriteFile(dir_.filePath(name), bytes);
    }
    // "BGMﾌｧｲﾙの選択(&N)", answered in the dialog with `path`, or cancelled when it is empty.
    void Choose(const QString& path) {
        files.path = path;
        f.Trigger("sonotaa");
    }
    bool WaitUntilPlaying() {
        return QTest::qWaitFor([&] { return music().mode() == MusicPlayer::kModePlaying; },
                               kStartTimeoutMs);
    }

    QTemporaryDir dir_;
    ShownForm f;
    ModalAnswerer messages;
    FileDialogAnswerer files;
};

}  // namespace

TEST_F(MusicMenuTest, PlayAndStopDoNothingBeforeAFileIsChosen) {
    f.Trigger("saii");
    EXPECT_EQ(music().updateInterval(), 0);
    f.Trigger("teisi");
    f.Trigger("saii");
    EXPECT_EQ(music().updateInterval(), 0);
    EXPECT_EQ(music().mode(), MusicPlayer::kModeNotOpen);
    EXPECT_FALSE(WaitForSignal(&music(), &MusicPlayer::finished, 200));
}

TEST_F(MusicMenuTest, TheDialogAsksForMusicFiles) {
    Choose({});
    ASSERT_EQ(files.seen.size(), 1u);
    EXPECT_EQ(files.seen[0].title, "BGMファイル選択");
    EXPECT_EQ(files.seen[0].filters,
              QStringList({"MIDI Files (*.mid *.rmi)", "Wave Files (*.wav)"}));
    EXPECT_TRUE(music().fileName().isEmpty());
    EXPECT_EQ(music().mode(), MusicPlayer::kModeNotOpen);
}

struct MusicFileCase {
    const char* name;
    QByteArray (*bytes)();
    const QString* deviceType;
};

class MusicMenuFileTest : public MusicMenuTest,
                          public testing::WithParamInterface<MusicFileCase> {};

// Chosen in the dialog, the piece starts at the player's next status update and, once played
// to its end, starts again from the beginning.
TEST_P(MusicMenuFileTest, AChosenFilePlaysInALoop) {
    const MusicFileCase& c = GetParam();
    const QString path = file(c.name, c.bytes());
    Choose(path);
    EXPECT_EQ(files.answered, 1);
    EXPECT_EQ(music().fileName(), path);
    EXPECT_EQ(music().deviceType(), *c.deviceType);
    EXPECT_EQ(music().updateInterval(), MusicPlayer::kLoopIntervalMs);
    ASSERT_TRUE(WaitUntilPlaying());
    ASSERT_TRUE(WaitForSignal(&music(), &MusicPlayer::finished, kEndTimeoutMs));
    EXPECT_TRUE(WaitUntilPlaying()) << "the piece was not started again";
    EXPECT_TRUE(messages.texts.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, MusicMenuFileTest,
    testing::Values(
        MusicFileCase{"tone.wav", [] { return Wav(1, 16, 8000, 800); }, &MusicPlayer::kWaveAudio},
        MusicFileCase{"tune.mid", [] { return Midi(1, 50); }, &MusicPlayer::kSequencer},
        MusicFileCase{"Tune.Rmi", [] { return Rmi(Midi(1, 50)); }, &MusicPlayer::kSequencer}),
    [](const auto& test) { return ParamName(test.param.name); });

TEST_F(MusicMenuTest, CancellingTheDialogLeavesTheMusicPlaying) {
    const QString path = file("loop.wav", Wav(2, 16, 8000, 8000));
    Choose(path);
    ASSERT_TRUE(WaitUntilPlaying());
    Choose({});
    EXPECT_EQ(files.answered, 2);
    EXPECT_EQ(music().fileName(), path);
    EXPECT_EQ(music().mode(), MusicPlayer::kModePlaying);
    EXPECT_EQ(music().updateInterval(), MusicPlayer::kLoopIntervalMs);
}

TEST_F(MusicMenuTest, StopHaltsThePieceAndPlayStartsItAgain) {
    Choose(file("loop.wav", Wav(1, 8, 8000, 800)));
    ASSERT_TRUE(WaitUntilPlaying());
    f.Trigger("teisi");
    EXPECT_EQ(music().mode(), MusicPlayer::kModeStopped);
    EXPECT_EQ(music().updateInterval(), 0);
    EXPECT_FALSE(WaitForSignal(&music(), &MusicPlayer::finished, 300))
        << "the stopped piece went on";
    EXPECT_EQ(music().mode(), MusicPlayer::kModeStopped);
    f.Trigger("saii");
    EXPECT_TRUE(WaitUntilPlaying());
}

// A file that is no music opens nothing and says nothing; the commands go on working, and a
// good file chosen afterwards plays.
TEST_F(MusicMenuTest, AnUnplayableFileIsIgnoredQuietly) {
    Choose(file("noise.mid", QByteArray(3000, '\x5a')));
    EXPECT_EQ(music().mode(), MusicPlayer::kModeNotOpen);
    f.Trigger("teisi");
    f.Trigger("saii");
    EXPECT_EQ(music().mode(), MusicPlayer::kModeNotOpen);
    EXPECT_TRUE(messages.texts.empty());
    Choose(file("good.wav", Wav(1, 8, 8000, 800)));
    EXPECT_TRUE(WaitUntilPlaying());
}
