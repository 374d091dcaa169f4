#include "app/audio/WavSource.h"

namespace torvane {

std::unique_ptr<WavSource> WavSource::Create(QByteArray bytes) {
    const std::optional<WavFile> wav = ParseWav(bytes);
    if (!wav) return nullptr;
    // The views of `wav` stay valid: moving a QByteArray keeps its data where it is.
    return std::unique_ptr<WavSource>(new WavSource(std::move(bytes), *wav));
}

int WavSource::render(qint16* out, int frames) {
    const int count = int(qMin<qint64>(frames, wav_.frames() - position_));
    WavToStereo16(wav_, position_, count, out);
    position_ += count;
    return count;
}

}  // namespace torvane
