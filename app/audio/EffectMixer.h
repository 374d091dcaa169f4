#pragma once

#include "app/audio/AudioSource.h"
#include "app/audio/WavFile.h"

#include <deque>
#include <vector>

namespace torvane {

// A sound effect in the mixer's format: 16-bit interleaved stereo at EffectMixer::kSampleRate.
using EffectSamples = std::vector<qint16>;

// The file's frames resampled (linearly) to the mixer's rate, as stereo.
EffectSamples ToEffectSamples(const WavFile& wav);

// The short sounds of the program mixed into one endless stream, so that one output stream can
// stay open for all of them: a sound started on a stream of its own may lose its first
// hundred milliseconds, or all of it, while the sound server sets that stream up. Silence when
// nothing plays. Sounds overlap; the sum is clipped to 16 bits.
class EffectMixer : public AudioSource {
public:
    static constexpr int kSampleRate = 44100;
    // The most sounds heard at once; a further one pushes out the oldest, so a flood of sounds
    // costs no more than this.
    static constexpr std::size_t kMaxVoices = 8;

    // Starts `samples` at the next rendered frame; it must outlive the mixer.
    void play(const EffectSamples& samples);
    bool playing() const { return !voices_.empty(); }

    int sampleRate() const override { return kSampleRate; }
    // Always renders every frame asked for.
    int render(qint16* out, int frames) override;
    void rewind() override { voices_.clear(); }

private:
    struct Voice {
        const EffectSamples* samples;
        std::size_t next;  // the next sample to be mixed
    };
    std::deque<Voice> voices_;
    std::vector<qint32> sum_;  // the block being mixed, kept to spare an allocation a block
};

}  // namespace torvane
