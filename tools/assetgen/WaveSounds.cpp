#include "tools/assetgen/WaveSounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/assetgen/Random.h"

namespace torvane {

namespace {

constexpr double kDuration = 0.12;
constexpr double kTau = 2 * std::numbers::pi;

void AppendLe(QByteArray& out, quint32 value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

int FrameCount(int rate) {
    return static_cast<int>(std::lround(kDuration * rate));
}

// The knock of wood on wood: two damped resonances of the piece and a low thud of the board,
// started by a burst of noise a couple of milliseconds long.
double Click(double t, Random& noise) {
    const double attack = std::min(1.0, t / 0.0004);
    const double body = std::exp(-t / 0.011) *
                        (0.55 * std::sin(kTau * 1750 * t) + 0.30 * std::sin(kTau * 3920 * t + 1.0));
    const double thud = 0.30 * std::exp(-t / 0.028) * std::sin(kTau * 430 * t);
    const double snap = 0.55 * std::exp(-t / 0.0018) * noise.Signed();
    return attack * (body + thud + snap);
}

// A small bell: inharmonic partials that die away at different speeds.
double Chime(double t) {
    constexpr double kBase = 1318.5;
    constexpr double kPartials[][3] = {
        {1.0, 0.60, 0.060}, {2.76, 0.28, 0.030}, {5.40, 0.14, 0.014}, {2.0, 0.18, 0.045}};
    double sum = 0;
    for (const auto& [ratio, level, decay] : kPartials)
        sum += level * std::exp(-t / decay) * std::sin(kTau * kBase * ratio * t);
    return std::min(1.0, t / 0.0015) * sum;
}

// Scales `samples` so that the loudest one reaches `peak`, which keeps them clear of clipping.
std::vector<double> Normalised(std::vector<double> samples, double peak) {
    double loudest = 0;
    for (double s : samples) loudest = std::max(loudest, std::abs(s));
    if (loudest > 0)
        for (double& s : samples) s *= peak / loudest;
    return samples;
}

}  // namespace

QByteArray PcmWave(int channels, int bits, int rate, const std::vector<double>& samples) {
    const int bytesPerSample = bits / 8;
    QByteArray data;
    for (double s : samples) {
        const double clamped = std::clamp(s, -1.0, 1.0);
        if (bits == 8)
            AppendLe(data, static_cast<quint32>(std::lround(128 + 127 * clamped)), 1);
        else
            AppendLe(data, static_cast<quint32>(static_cast<qint16>(std::lround(32767 * clamped))),
                     2);
    }
    QByteArray wave("RIFF");
    AppendLe(wave, static_cast<quint32>(36 + data.size()), 4);
    wave.append("WAVEfmt ");
    AppendLe(wave, 16, 4);
    AppendLe(wave, 1, 2);  // integer PCM
    AppendLe(wave, static_cast<quint32>(channels), 2);
    AppendLe(wave, static_cast<quint32>(rate), 4);
    AppendLe(wave, static_cast<quint32>(rate * channels * bytesPerSample), 4);
    AppendLe(wave, static_cast<quint32>(channels * bytesPerSample), 2);
    AppendLe(wave, static_cast<quint32>(bits), 2);
    wave.append("data");
    AppendLe(wave, static_cast<quint32>(data.size()), 4);
    return wave + data;
}

QByteArray MoveSoundWave() {
    constexpr int kRate = 22050;
    Random noise(101);
    std::vector<double> samples;
    for (int i = 0; i < FrameCount(kRate); ++i) samples.push_back(Click(double(i) / kRate, noise));
    return PcmWave(1, 8, kRate, Normalised(samples, 0.95));
}

QByteArray MessageSoundWave() {
    constexpr int kRate = 44100;
    constexpr double kSilence = 0.030;
    const int frames = FrameCount(kRate);
    std::vector<double> samples;
    for (int i = 0; i < frames; ++i) {
        const double t = double(i) / kRate - kSilence;
        const double fadeOut = std::min(1.0, (frames - i) / (0.006 * kRate));
        const double s = t < 0 ? 0.0 : fadeOut * Chime(t);
        samples.push_back(s);  // left
        samples.push_back(s);  // right
    }
    return PcmWave(2, 16, kRate, Normalised(samples, 0.9));
}

QByteArray TimeWarningSoundWave() {
    constexpr int kRate = 44100;
    constexpr double kPip = 0.09, kGap = 0.06, kPitch = 1046.5;  // C6
    std::vector<double> samples;
    for (int i = 0; i < static_cast<int>(0.3 * kRate); ++i) {
        const double t = double(i) / kRate;
        const double local = t < kPip + kGap ? t : t - kPip - kGap;
        // Each pip rises and falls within a few milliseconds, so it does not click.
        const double envelope =
            local >= kPip ? 0.0 : std::min({1.0, local / 0.004, (kPip - local) / 0.012});
        samples.push_back(envelope *
                          (std::sin(kTau * kPitch * t) + 0.25 * std::sin(kTau * 2 * kPitch * t)));
    }
    return PcmWave(1, 16, kRate, Normalised(samples, 0.7));
}

}  // namespace torvane
