#pragma once

// Small music files built in memory for the tests and benchmarks of the music and sound
// players: PCM WAV, one-track Standard MIDI Files (a piano melody, a full orchestra), and MIDI
// wrapped as RMI.

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

// A format-0 Standard MIDI File around one track, one tick per millisecond at the tempo the
// track sets first.
inline QByteArray MidiFile(QByteArrayView track) {
    return "MThd" + BigEndian(quint32(6)) + BigEndian(quint16(0)) + BigEndian(quint16(1)) +
           BigEndian(quint16(500)) + "MTrk" + BigEndian(quint32(track.size())) +
           track.toByteArray();
}

inline const QByteArray kHalfSecondQuarterNote = QByteArray::fromHex("00ff510307a120");
inline const QByteArray kEndOfTrack = QByteArray::fromHex("00ff2f00");

// A note-on or note-off event on `channel`, `delta` ticks after the one before it.
inline QByteArray NoteEvent(quint32 delta, bool on, int channel, int key, int velocity) {
    return VariableLength(delta) + char((on ? 0x90 : 0x80) | channel) + char(key) + char(velocity);
}

// `notes` piano notes of `noteMs` each, one after the other, rising from middle C; each is a
// chord of `voices` keys a third apart.
inline QByteArray Midi(int notes, int noteMs, int voices = 1) {
    QByteArray track = kHalfSecondQuarterNote + QByteArray::fromHex("00c000");  // piano
    for (int note = 0; note < notes; ++note) {
        const auto key = [note](int voice) { return 60 + note % 24 + 4 * voice; };
        for (int voice = 0; voice < voices; ++voice)
            track += NoteEvent(0, true, 0, key(voice), 100);
        for (int voice = 0; voice < voices; ++voice)
            track += NoteEvent(voice == 0 ? quint32(noteMs) : 0, false, 0, key(voice), 0);
    }
    return MidiFile(track + kEndOfTrack);
}

// A full orchestra at its loudest: all sixteen channels (the tenth is percussion) at full
// volume, expression, reverb and chorus, each playing `chords` four-key chords of `chordMs`
// at velocity 127, 64 voices at once.
inline QByteArray DenseMidi(int chords, int chordMs) {
    constexpr int kPrograms[16] = {48, 49, 56, 57, 60, 61, 68, 71, 73, 0, 19, 24, 32, 40, 42, 52};
    constexpr int kChord[4] = {0, 4, 7, 12};
    QByteArray track = kHalfSecondQuarterNote;
    for (int channel = 0; channel < 16; ++channel) {
        track += QByteArray::fromHex("00") + char(0xc0 | channel) + char(kPrograms[channel]);
        for (int controller : {7, 11, 91, 93})
            track += QByteArray::fromHex("00") + char(0xb0 | channel) + char(controller) + '';
    }
    const auto key = [&](int chord, int channel, int voice) {
        return 36 + 12 * (channel % 4) + chord % 5 + kChord[voice];
    };
    for (int chord = 0; chord < chords; ++chord) {
        for (int channel = 0; channel < 16; ++channel)
            for (int voice = 0; voice < 4; ++voice)
                track += NoteEvent(0, true, channel, key(chord, channel, voice), 127);
        for (int channel = 0; channel < 16; ++channel)
            for (int voice = 0; voice < 4; ++voice)
                track += NoteEvent(channel + voice == 0 ? quint32(chordMs) : 0, false, channel,
                                   key(chord, channel, voice), 0);
    }
    return MidiFile(track + kEndOfTrack);
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
