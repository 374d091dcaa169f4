#pragma once

#include <QByteArrayView>
#include <optional>

namespace torvane {

// The samples of a PCM WAV file and their format. `samples` points into the file's bytes and
// holds whole frames only.
struct WavFile {
    int channels = 0;       // 1 or 2
    int bitsPerSample = 0;  // 8 (unsigned) or 16 (signed)
    int sampleRate = 0;
    QByteArrayView samples;

    int bytesPerFrame() const { return channels * bitsPerSample / 8; }
    qint64 frames() const { return samples.size() / bytesPerFrame(); }
};

// Reads the format of an uncompressed PCM WAV file of 8 or 16 bits, mono or stereo. Nothing for
// any other file, and for one without a single frame. A file that ends inside its sample data
// keeps the frames it holds.
std::optional<WavFile> ParseWav(QByteArrayView file);

// Writes `frames` frames of the file from frame `first` on into `out` as 16-bit stereo.
void WavToStereo16(const WavFile& wav, qint64 first, int frames, qint16* out);

}  // namespace torvane
