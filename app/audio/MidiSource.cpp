#include "app/audio/MidiSource.h"

#include "app/audio/MidiFile.h"
#include "app/audio/RmiFile.h"

#include <cmath>

namespace torvane {

std::unique_ptr<MidiSource> MidiSource::Create(QByteArrayView bytes, MidiSynth& synth) {
    const std::optional<QByteArray> midi =
        IsRmiFile(bytes) ? MidiFromRmi(bytes) : bytes.toByteArray();
    if (!midi || !IsStandardMidiFile(*midi) || !synth.synth()) return nullptr;
    return std::unique_ptr<MidiSource>(new MidiSource(*midi, synth));
}

MidiSource::MidiSource(QByteArray midi, MidiSynth& synth) : midi_(std::move(midi)), synth_(synth) {
    startPlayer();
}

MidiSource::~MidiSource() {
    deletePlayer();
}

// The player runs on the synth's sample clock: it moves on only while samples are rendered.
void MidiSource::startPlayer() {
    player_ = new_fluid_player(synth_.synth());
    fluid_player_add_mem(player_, midi_.constData(), size_t(midi_.size()));
    fluid_player_play(player_);
}

void MidiSource::deletePlayer() {
    delete_fluid_player(player_);
    fluid_synth_system_reset(synth_.synth());
}

int MidiSource::render(qint16* out, int frames) {
    if (!player_ || fluid_player_get_status(player_) == FLUID_PLAYER_DONE) return 0;
    mix_.resize(2 * size_t(frames));
    fluid_synth_write_float(synth_.synth(), frames, mix_.data(), 0, 2, mix_.data(), 1, 2);
    limiter_.process(mix_.data(), frames);
    // The limiter keeps every sample under full scale, so none can overflow.
    for (size_t i = 0; i < mix_.size(); ++i) out[i] = qint16(std::lrint(mix_[i] * 32767));
    return frames;
}

// A fresh player starts at the beginning with no notes left sounding.
void MidiSource::rewind() {
    deletePlayer();
    limiter_.reset();
    startPlayer();
}

}  // namespace torvane
