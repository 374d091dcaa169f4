#pragma once

// Small music files built in memory for the tests and benchmarks of the music and sound
// players: PCM WAV, a one-track Standard MIDI File, and MIDI wrapped as RMI.

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <QtEndian>
#include <cmath>

namespace torvane::testmusic {

template <typename T>
QByteArray LittleEndian(T value) {
    QByteArray bytes(sizeof(T), '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

template <typename T>
QByteArray BigEndian(T value) {
    QByteArray bytes(sizeof(T), '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// A RIFF chunk; a body of odd size is followed by a pad byte.
inline QByteArray Chunk(QByteArrayView id, QByteArrayView body) {
    QByteArray chunk = id.toByteArray() + LittleEndian(quint32(body.size())) + body.toByteArray();
    if (body.size() % 2) chunk += '\0';
    return chunk;
}

inline QByteArray Riff(QByteArrayView formType, QByteArrayView chunks) {
    return "RIFF" + LittleEndian(quint32(4 + chunks.size())) + formType.toByteArray() +
           chunks.toByteArray();
}

inline QByteArray WavFormatChunk(int channels, int bits, int rate, quint16 formatTag = 1) {
    const int blockAlign = channels * bits / 8;
    return Chunk("fmt ", LittleEndian(formatTag) + LittleEndian(quint16(channels)) +
                             LittleEndian(quint32(rate)) +
                             LittleEndian(quint32(rate * blockAlign)) +
                             LittleEndian(quint16(blockAlign)) + LittleEndian(quint16(bits)));
}

// `frames` frames of a decaying 440 Hz tone, in every channel.
inline QByteArray PcmSamples(int channels, int bits, int rate, int frames) {
    QByteArray samples;
    for (int frame = 0; frame < frames; ++frame) {
        const double level = std::sin(2 * M_PI * 440 * frame / rate) * (frames - frame) / frames;
        for (int channel = 0; channel < channels; ++channel)
            samples += bits == 8 ? QByteArray(1, char(quint8(128 + 127 * level)))
                                 : LittleEndian(qint16(32767 * level));
    }
    return samples;
}

inline QByteArray Wav(int channels, int bits, int rate, int frames) {
    return Riff("WAVE", WavFormatChunk(channels, bits, rate) +
                            Chunk("data", PcmSamples(channels, bits, rate, frames)));
}

// A MIDI variable-length quantity.
inline QByteArray VariableLength(quint32 value) {
    QByteArray bytes(1, char(value & 0x7f));
    while (value >>= 7) bytes.prepend(char(0x80 | (value & 0x7f)));
    return bytes;
}

// Format 0, one track, one tick per millisecond: `notes` piano notes of `noteMs` each, one
// after the other, rising from middle C; each is a chord of `voices` keys a third apart.
inline QByteArray Midi(int notes, int noteMs, int voices = 1) {
    QByteArray track = QByteArray::fromHex(
        "00ff510307a120"  // 500000 us per quarter note
        "00c000");        // piano
    for (int note = 0; note < notes; ++note) {
        const auto key = [note](int voice) { return char(60 + note % 24 + 4 * voice); };
        for (int voice = 0; voice < voices; ++voice)
            track += QByteArray::fromHex("0090") + key(voice) + char(100);
        for (int voice = 0; voice < voices; ++voice)
            track += VariableLength(voice == 0 ? quint32(noteMs) : 0) + char(0x80) + key(voice) +
                     char(0);
    }
    track += QByteArray::fromHex("00ff2f00");
    return "MThd" + BigEndian(quint32(6)) + BigEndian(quint16(0)) + BigEndian(quint16(1)) +
           BigEndian(quint16(500)) + "MTrk" + BigEndian(quint32(track.size())) + track;
}

inline QByteArray Rmi(QByteArrayView midi) {
    return Riff("RMID", Chunk("data", midi));
}

// Writes the bytes to `path` and returns the path.
inline QString WriteFile(const QString& path, QByteArrayView bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes.data(), bytes.size());
    return path;
}

}  // namespace torvane::testmusic
