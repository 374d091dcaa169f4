#include "app/audio/SoundEffects.h"

#include "SignalWait.h"
#include "TestMusicFiles.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <vector>

using namespace torvane;
using namespace torvane::testmusic;

namespace {

// Waits until the effect has finished loading, one way or the other.
QSoundEffect::Status LoadedStatus(const QSoundEffect* effect) {
    while (effect->status() == QSoundEffect::Null || effect->status() == QSoundEffect::Loading)
        if (!WaitForSignal(effect, &QSoundEffect::statusChanged, 30000)) break;
    return effect->status();
}

std::vector<int> PlayAndRecord(SoundEffects& sounds, std::initializer_list<int> ids) {
    std::vector<int> played;
    QObject::connect(&sounds, &SoundEffects::played, [&](int id) { played.push_back(id); });
    for (int id : ids) sounds.Play(id);
    return played;
}

class SoundEffectsTest : public testing::Test {
protected:
    QString location() const { return "file://" + dir_.path() + "/%1.wav"; }
    QTemporaryDir dir_;
};

}  // namespace

TEST_F(SoundEffectsTest, BothSoundsLoadAndPlayWithoutAnAudioDevice) {
    WriteFile(dir_.filePath("101.wav"), Wav(1, 8, 22050, 2646));
    WriteFile(dir_.filePath("102.wav"), Wav(2, 16, 44100, 5292));
    SoundEffects sounds(nullptr, location());
    EXPECT_EQ(LoadedStatus(sounds.effect(101)), QSoundEffect::Ready);
    EXPECT_EQ(LoadedStatus(sounds.effect(102)), QSoundEffect::Ready);
    EXPECT_EQ(PlayAndRecord(sounds, {101, 102, 101, 999}), (std::vector<int>{101, 102, 101}));
    EXPECT_EQ(sounds.effect(999), nullptr);
}

TEST_F(SoundEffectsTest, UnreadableSoundFailsQuietly) {
    WriteFile(dir_.filePath("101.wav"), QByteArray(300, '\x55'));
    SoundEffects sounds(nullptr, location());  // no 102.wav at all
    EXPECT_EQ(LoadedStatus(sounds.effect(101)), QSoundEffect::Error);
    EXPECT_EQ(LoadedStatus(sounds.effect(102)), QSoundEffect::Error);
    EXPECT_EQ(PlayAndRecord(sounds, {101, 102}), (std::vector<int>{101, 102}));
}

TEST_F(SoundEffectsTest, ProgramsOwnSoundsLoad) {
    if (!QFile::exists(":/sound/101.wav")) GTEST_SKIP() << "the sound resources are not built in";
    SoundEffects sounds;
    for (int id : SoundEffects::kSoundIds)
        EXPECT_EQ(LoadedStatus(sounds.effect(id)), QSoundEffect::Ready) << id;
}
