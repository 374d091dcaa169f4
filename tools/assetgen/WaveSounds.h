#pragma once

#include <QByteArray>
#include <vector>

namespace torvane {

// Sound 101, played after every move: a short decaying click of a wooden piece set down on the
// board. PCM, mono, 8 bit, 22050 Hz, 0.12 s.
QByteArray MoveSoundWave();
// Sound 102, played when a chat line arrives: 30 ms of silence, then a loud short chime.
// PCM, stereo, 16 bit, 44100 Hz, 0.12 s.
QByteArray MessageSoundWave();

// Sound 103, played when a player's clock enters the last 30 seconds of the time limit: two
// short soft pips. PCM, mono, 16 bit, 44100 Hz, 0.3 s.
QByteArray TimeWarningSoundWave();

// A RIFF WAVE file holding `samples` (-1..1, channels interleaved) as integer PCM of `bits`
// bits (8 or 16).
QByteArray PcmWave(int channels, int bits, int rate, const std::vector<double>& samples);

}  // namespace torvane
