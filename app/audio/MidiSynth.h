#pragma once

#include <fluidsynth.h>

namespace torvane {

// The FluidSynth synthesizer with the General MIDI soundfont loaded, rendered by whoever pulls
// samples from it (no audio driver and no thread of its own).
class MidiSynth {
public:
    static constexpr const char* kSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";
    static constexpr double kSampleRate = 44100.0;
    // FluidSynth's default of 0.2 leaves a General MIDI piece some 25 dB under recorded music;
    // this brings a piano melody to about -20 dBFS RMS, and the limiter of the render path
    // keeps loud ensembles under full scale.
    static constexpr double kGain = 2.0;

    MidiSynth();
    ~MidiSynth();
    MidiSynth(const MidiSynth&) = delete;
    MidiSynth& operator=(const MidiSynth&) = delete;

    fluid_synth_t* synth() const { return synth_; }

private:
    fluid_settings_t* settings_;
    fluid_synth_t* synth_;
};

}  // namespace torvane
