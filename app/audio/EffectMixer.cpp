#include "app/audio/EffectMixer.h"

#include <algorithm>
#include <cstdint>

namespace torvane {

EffectSamples ToEffectSamples(const WavFile& wav) {
    std::vector<qint16> source(2 * static_cast<std::size_t>(wav.frames()));
    WavToStereo16(wav, 0, int(wav.frames()), source.data());
    const qint64 last = wav.frames() - 1;
    const qint64 frames = 1 + last * EffectMixer::kSampleRate / wav.sampleRate;
    EffectSamples out(2 * static_cast<std::size_t>(frames));
    for (qint64 frame = 0; frame < frames; ++frame) {
        // The source position of this frame, in 1/rate steps of the source's frames.
        const qint64 at = frame * wav.sampleRate;
        const qint64 index = at / EffectMixer::kSampleRate;
        const qint64 next = std::min(index + 1, last);
        const double weight = double(at % EffectMixer::kSampleRate) / EffectMixer::kSampleRate;
        for (int channel = 0; channel < 2; ++channel) {
            const double a = source[std::size_t(2 * index + channel)];
            const double b = source[std::size_t(2 * next + channel)];
            out[std::size_t(2 * frame + channel)] = qint16(a + (b - a) * weight);
        }
    }
    return out;
}

void EffectMixer::play(const EffectSamples& samples) {
    if (samples.empty()) return;
    if (voices_.size() == kMaxVoices) voices_.pop_front();
    voices_.push_back({&samples, 0});
}

int EffectMixer::render(qint16* out, int frames) {
    const std::size_t count = 2 * static_cast<std::size_t>(frames);
    sum_.assign(count, 0);
    for (Voice& voice : voices_) {
        const std::size_t n = std::min(count, voice.samples->size() - voice.next);
        for (std::size_t i = 0; i < n; ++i) sum_[i] += (*voice.samples)[voice.next + i];
        voice.next += n;
    }
    std::erase_if(voices_, [](const Voice& v) { return v.next == v.samples->size(); });
    for (std::size_t i = 0; i < count; ++i)
        out[i] = qint16(std::clamp<qint32>(sum_[i], INT16_MIN, INT16_MAX));
    return frames;
}

}  // namespace torvane
