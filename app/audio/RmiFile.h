#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace torvane {

// True when the file is a RIFF "RMID" form, whatever it holds.
bool IsRmiFile(QByteArrayView file);

// The MIDI data inside an RMI file: the body of its "data" chunk. Nothing when the file is no
// RMI file, has no data chunk or ends inside it.
std::optional<QByteArray> MidiFromRmi(QByteArrayView file);

}  // namespace torvane
