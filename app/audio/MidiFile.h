#pragma once

#include <QByteArrayView>

namespace torvane {

// True when the bytes start like a Standard MIDI File: an "MThd" header of format 0, 1 or 2
// with at least one track, followed by an "MTrk" chunk. FluidSynth parses the tracks; this
// check turns files that are plainly no MIDI away before they are opened.
bool IsStandardMidiFile(QByteArrayView bytes);

}  // namespace torvane
