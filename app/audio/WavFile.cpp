#include "app/audio/WavFile.h"

#include "app/audio/AudioRiff.h"

#include <QtEndian>

namespace torvane {

namespace {

constexpr quint16 kPcmFormat = 1;
constexpr qsizetype kPcmFormatChunkSize = 16;
constexpr int kMinSampleRate = 1000;
constexpr int kMaxSampleRate = 384000;

bool IsSupported(const WavFile& wav) {
    return (wav.channels == 1 || wav.channels == 2) &&
           (wav.bitsPerSample == 8 || wav.bitsPerSample == 16) &&
           wav.sampleRate >= kMinSampleRate && wav.sampleRate <= kMaxSampleRate;
}

qint16 Sample(const WavFile& wav, qint64 index) {
    const QByteArrayView samples = wav.samples();
    if (wav.bitsPerSample == 8) return qint16((quint8(samples[index]) - 128) * 256);
    return qFromLittleEndian<qint16>(samples.data() + 2 * index);
}

}  // namespace

std::optional<WavFile> ParseWav(QByteArray file) {
    const std::optional<RiffChunk> format = FindRiffChunk(file, "WAVE", "fmt ");
    const std::optional<RiffChunk> data = FindRiffChunk(file, "WAVE", "data");
    if (!format || !data || format->body.size() < kPcmFormatChunkSize) return std::nullopt;
    const char* f = format->body.data();
    if (qFromLittleEndian<quint16>(f) != kPcmFormat) return std::nullopt;
    WavFile wav;
    wav.channels = qFromLittleEndian<quint16>(f + 2);
    wav.sampleRate = int(qMin<quint32>(qFromLittleEndian<quint32>(f + 4), kMaxSampleRate + 1));
    wav.bitsPerSample = qFromLittleEndian<quint16>(f + 14);
    if (!IsSupported(wav)) return std::nullopt;
    wav.samplesOffset = data->body.data() - file.constData();
    wav.samplesSize = data->body.size() - data->body.size() % wav.bytesPerFrame();
    if (wav.frames() == 0) return std::nullopt;
    wav.bytes = std::move(file);
    return wav;
}

void WavToStereo16(const WavFile& wav, qint64 first, int frames, qint16* out) {
    for (qint64 frame = first; frame < first + frames; ++frame) {
        const qint64 index = frame * wav.channels;
        *out++ = Sample(wav, index);
        *out++ = Sample(wav, index + wav.channels - 1);
    }
}

}  // namespace torvane
