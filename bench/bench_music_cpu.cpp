// What background music costs: FluidSynth's rendering speed, and the process CPU while the
// music player plays a MIDI piece in real time (on a machine without an audio device, through
// the paced output that renders and drops the samples).

#include "app/audio/MidiSource.h"
#include "app/audio/MusicPlayer.h"

#include "TestMusicFiles.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <vector>

using namespace torvane;

namespace {

constexpr int kBlockFrames = 1764;  // 40 ms, as the paced output renders
constexpr int kVoices = 4;

// Twenty four-note chords of half a second: ten seconds of music.
QByteArray TenSecondPiece() {
    return testmusic::Midi(20, 500, kVoices);
}

double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// One second of audio per iteration, in 40 ms blocks.
void BM_MidiRenderOneSecond(benchmark::State& state) {
    MidiSynth synth;
    const auto source = MidiSource::Create(TenSecondPiece(), synth);
    std::vector<qint16> block(2 * kBlockFrames);
    for (auto _ : state) {
        for (int frames = 0; frames < int(MidiSynth::kSampleRate); frames += kBlockFrames)
            if (source->render(block.data(), kBlockFrames) < kBlockFrames) source->rewind();
        benchmark::DoNotOptimize(block.data());
    }
    // Seconds of rendering per second of music, as a percentage.
    state.counters["percent_of_realtime"] = benchmark::Counter(
        0.01, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_MidiRenderOneSecond)->Unit(benchmark::kMillisecond);

// Ten seconds of the looping player; reports process CPU as a share of one core.
void BM_MusicPlayerCpuWhilePlaying(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = testmusic::WriteFile(dir.filePath("piece.mid"), TenSecondPiece());
    for (auto _ : state) {
        MusicPlayer player;
        player.setLoopFlag(1);
        player.ChooseFile(path);
        const double cpuBefore = ProcessCpuSeconds();
        QEventLoop loop;
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        state.SetIterationTime(10.0);
        state.counters["cpu_percent_of_one_core"] = (ProcessCpuSeconds() - cpuBefore) * 10.0;
        state.counters["playing_at_end"] = player.mode() == MusicPlayer::kModePlaying;
    }
}
BENCHMARK(BM_MusicPlayerCpuWhilePlaying)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
