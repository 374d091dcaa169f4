// The sounds a player hears, recorded from a real sound server: tests/sound/with_sound_server.sh
// runs this suite beside a PulseAudio server whose only sink is a null sink, and the recorder
// reads that sink's monitor.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <algorithm>

#include "MonitorRecorder.h"
#include "ui/ModalDialog.h"
#include "ui/UiHelpers.h"

using namespace torvane;

namespace {

class MoveSoundsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QString monitor = qEnvironmentVariable("TORVANE_TEST_MONITOR");
        if (monitor.isEmpty())
            GTEST_SKIP() << "no sound server to record from: run under with_sound_server.sh, "
                            "with Debian's pulseaudio and pulseaudio-utils installed";
        recorder_ = std::make_unique<MonitorRecorder>(monitor);
        ASSERT_TRUE(recorder_->started()) << "parec did not start";
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return recorder_->frames() > MonitorRecorder::kRate / 10; }, 10000))
            << "the monitor records nothing";
    }
    // Waits until the sound started by the last action has been recorded and has faded; the
    // delay from `before` (the frames recorded when the action began) to the sound's first
    // sample, in ms, or -1 when no sound came.
    double AwaitSound(qint64 before, std::size_t soundsBefore) {
        if (!QTest::qWaitFor([&] { return recorder_->onsets().size() > soundsBefore; }, 5000))
            return -1;
        if (!QTest::qWaitFor([&] { return recorder_->quiet(); }, 5000))
            ADD_FAILURE() << "the sound never faded";
        return double(recorder_->onsets()[soundsBefore] - before) * 1000 / MonitorRecorder::kRate;
    }
    std::unique_ptr<MonitorRecorder> recorder_;
};

}  // namespace

// The game of the window's own tests, Sente's Rat up the d-file to the Elephant, with the boxes
// answered as a player does: each of its fifteen moves is heard, the first ones too, once and
// before the next move. The delays are printed, measured from the drop to the first recorded
// sample of the sound (the recorder's own latency included).
TEST_F(MoveSoundsTest, EveryMoveOfAGameIsHeard) {
    ShownForm f;
    ASSERT_TRUE(f.form.sounds().onDevice()) << "the effects' stream did not open on the server";
    ModalAnswerer answers;
    f.Trigger("sutato");
    std::vector<double> delays;
    auto move = [&](int from, int to) {
        const std::size_t sounds = recorder_->onsets().size();
        const qint64 before = recorder_->frames();
        f.DragCell(from, to);
        delays.push_back(AwaitSound(before, sounds));
        EXPECT_GE(delays.back(), 0) << "move " << delays.size() << " was not heard";
        EXPECT_EQ(recorder_->onsets().size(), sounds + 1) << "move " << delays.size();
    };
    const int sente[] = {75, 66, 57, 48, 39, 30, 21, 12, 4};
    for (int i = 0; i + 1 < 9; ++i) {
        move(sente[i], sente[i + 1]);
        if (i + 1 < 8) move(i % 2 ? 44 : 35, i % 2 ? 35 : 44);
    }
    ASSERT_EQ(delays.size(), 15u);
    EXPECT_EQ(answers.texts.back(), "後手の負けです");
    std::vector<double> sorted = delays;
    std::sort(sorted.begin(), sorted.end());
    std::printf("drop to sound: median %.1f ms, worst %.1f ms over %zu moves\n", sorted[7],
                sorted.back(), sorted.size());
}
