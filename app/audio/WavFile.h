#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace torvane {

// A PCM WAV file: its bytes (shared, not copied) and the format and place of its samples.
// `samples()` holds whole frames only; it is a view into the bytes this object keeps alive, so
// it cannot be taken from a temporary.
struct WavFile {
    int channels = 0;       // 1 or 2
    int bitsPerSample = 0;  // 8 (unsigned) or 16 (signed)
    int sampleRate = 0;
    QByteArray bytes;
    qsizetype samplesOffset = 0;
    qsizetype samplesSize = 0;

    QByteArrayView samples() const& {
        return QByteArrayView(bytes).sliced(samplesOffset, samplesSize);
    }
    QByteArrayView samples() const&& = delete;
    int bytesPerFrame() const { return channels * bitsPerSample / 8; }
    qint64 frames() const { return samplesSize / bytesPerFrame(); }
};

// Reads the format of an uncompressed PCM WAV file of 8 or 16 bits, mono or stereo. Nothing for
// any other file, and for one without a single frame. A file that ends inside its sample data
// keeps the frames it holds.
std::optional<WavFile> ParseWav(QByteArray file);

// Writes `frames` frames of the file from frame `first` on into `out` as 16-bit stereo.
void WavToStereo16(const WavFile& wav, qint64 first, int frames, qint16* out);

}  // namespace torvane
