// What background music costs and how loud it plays: the rendering speed and the output levels
// of the player's render path (raised gain, float render, limiter) beside FluidSynth as it comes
// (default gain, its own 16-bit output), and the process CPU while the music player plays a MIDI
// piece in real time (on a machine without an audio device, through the paced output that
// renders and drops the samples).

#include "app/audio/MidiSource.h"
#include "app/audio/MusicPlayer.h"

#include "TestMusicFiles.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cmath>
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

// FluidSynth as it comes: gain 0.2 and 16-bit output straight from the synth.
class PlainFluidSynth : public AudioSource {
public:
    PlainFluidSynth(QByteArray midi, MidiSynth& synth) : midi_(std::move(midi)), synth_(synth) {
        fluid_synth_set_gain(synth_.synth(), 0.2f);
        start();
    }
    ~PlainFluidSynth() override { delete_fluid_player(player_); }

    int sampleRate() const override { return int(MidiSynth::kSampleRate); }
    int render(qint16* out, int frames) override {
        if (fluid_player_get_status(player_) == FLUID_PLAYER_DONE) return 0;
        fluid_synth_write_s16(synth_.synth(), frames, out, 0, 2, out, 1, 2);
        return frames;
    }
    void rewind() override {
        delete_fluid_player(player_);
        fluid_synth_system_reset(synth_.synth());
        start();
    }

private:
    void start() {
        player_ = new_fluid_player(synth_.synth());
        fluid_player_add_mem(player_, midi_.constData(), size_t(midi_.size()));
        fluid_player_play(player_);
    }

    QByteArray midi_;
    MidiSynth& synth_;
    fluid_player_t* player_ = nullptr;
};

enum class RenderPath { kPlainFluidSynth, kPlayer };

std::unique_ptr<AudioSource> Open(RenderPath path, const QByteArray& midi, MidiSynth& synth) {
    if (path == RenderPath::kPlainFluidSynth) return std::make_unique<PlainFluidSynth>(midi, synth);
    return MidiSource::Create(midi, synth);
}

// One second of audio per iteration, in 40 ms blocks.
void BM_MidiRenderOneSecond(benchmark::State& state, RenderPath path) {
    MidiSynth synth;
    const auto source = Open(path, TenSecondPiece(), synth);
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
BENCHMARK_CAPTURE(BM_MidiRenderOneSecond, plain_fluidsynth, RenderPath::kPlainFluidSynth)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MidiRenderOneSecond, player, RenderPath::kPlayer)
    ->Unit(benchmark::kMillisecond);

// The RMS and peak level, in dBFS, of the first four seconds of a piece: a piano melody at
// mezzo-forte, or sixteen channels of fortissimo chords.
void BM_MidiLevels(benchmark::State& state, RenderPath path, bool orchestra) {
    const QByteArray midi = orchestra ? testmusic::DenseMidi(8, 500) : testmusic::Midi(16, 250);
    std::vector<qint16> samples(2 * 4 * size_t(MidiSynth::kSampleRate));
    for (auto _ : state) {
        MidiSynth synth;
        Open(path, midi, synth)->render(samples.data(), int(samples.size() / 2));
    }
    double sum = 0;
    int peak = 0;
    for (qint16 s : samples) {
        sum += double(s) * s;
        peak = std::max(peak, std::abs(int(s)));
    }
    state.counters["rms_dbfs"] = 20 * std::log10(std::sqrt(sum / double(samples.size())) / 32768);
    state.counters["peak_dbfs"] = 20 * std::log10(peak / 32768.0);
}
BENCHMARK_CAPTURE(BM_MidiLevels, melody_plain_fluidsynth, RenderPath::kPlainFluidSynth, false)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_MidiLevels, melody_player, RenderPath::kPlayer, false)->Iterations(1);
BENCHMARK_CAPTURE(BM_MidiLevels, orchestra_plain_fluidsynth, RenderPath::kPlainFluidSynth, true)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_MidiLevels, orchestra_player, RenderPath::kPlayer, true)->Iterations(1);

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
