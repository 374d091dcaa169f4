#include "app/audio/MidiFile.h"

#include <QtEndian>

namespace torvane {

bool IsStandardMidiFile(QByteArrayView bytes) {
    constexpr qsizetype kMinHeaderLength = 6;  // format, track count, division
    if (bytes.size() < 8 || bytes.first(4) != "MThd") return false;
    const qsizetype headerLength = qFromBigEndian<quint32>(bytes.data() + 4);
    if (headerLength < kMinHeaderLength || bytes.size() - 8 < headerLength + 4) return false;
    const quint16 format = qFromBigEndian<quint16>(bytes.data() + 8);
    const quint16 tracks = qFromBigEndian<quint16>(bytes.data() + 10);
    const quint16 division = qFromBigEndian<quint16>(bytes.data() + 12);
    return format <= 2 && tracks >= 1 && division != 0 &&
           bytes.sliced(8 + headerLength, 4) == "MTrk";
}

}  // namespace torvane
