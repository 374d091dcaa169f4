#pragma once

#include "app/audio/AudioSource.h"
#include "app/audio/MidiSynth.h"
#include "app/audio/PeakLimiter.h"

#include <QByteArray>
#include <QByteArrayView>
#include <memory>
#include <vector>

namespace torvane {

// A Standard MIDI File, or the one inside an RMI file, played by FluidSynth. The piece ends
// when FluidSynth's player reports it done, about two seconds after its last event. The synth
// renders in float; a limiter keeps loud passages under full scale before the samples become
// 16-bit.
class MidiSource : public AudioSource {
public:
    // Nothing unless the bytes are a Standard MIDI File or an RMI file holding one.
    static std::unique_ptr<MidiSource> Create(QByteArrayView bytes, MidiSynth& synth);
    ~MidiSource() override;

    int sampleRate() const override { return int(MidiSynth::kSampleRate); }
    int render(qint16* out, int frames) override;
    void rewind() override;

private:
    MidiSource(QByteArray midi, MidiSynth& synth);
    void startPlayer();
    void deletePlayer();

    QByteArray midi_;
    MidiSynth& synth_;
    fluid_player_t* player_ = nullptr;
    PeakLimiter limiter_{MidiSynth::kSampleRate};
    std::vector<float> mix_;  // the block being rendered, interleaved stereo
};

}  // namespace torvane
