#include "app/audio/MidiSynth.h"

#include <initializer_list>

namespace torvane {

namespace {

// FluidSynth prints its complaints about unreadable files to stderr; the player reports its
// errors to no one.
void SilenceFluidSynthLog() {
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
}

}  // namespace

MidiSynth::MidiSynth() : settings_(new_fluid_settings()) {
    SilenceFluidSynthLog();
    fluid_settings_setnum(settings_, "synth.sample-rate", kSampleRate);
    fluid_settings_setnum(settings_, "synth.gain", kGain);
    // Only the thread that owns the player touches the synth, so it needs no locking.
    fluid_settings_setint(settings_, "synth.threadsafe-api", 0);
    fluid_settings_setstr(settings_, "player.timing-source", "sample");
    synth_ = new_fluid_synth(settings_);
    // Without the soundfont the synth stays silent; the pieces still play and end as usual.
    fluid_synth_sfload(synth_, kSoundFont, 1);
}

MidiSynth::~MidiSynth() {
    delete_fluid_synth(synth_);
    delete_fluid_settings(settings_);
}

}  // namespace torvane
