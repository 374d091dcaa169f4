#include "app/audio/WavSource.h"

namespace torvane {

std::unique_ptr<WavSource> WavSource::Create(QByteArray bytes) {
    std::optional<WavFile> wav = ParseWav(std::move(bytes));
    if (!wav) return nullptr;
    return std::unique_ptr<WavSource>(new WavSource(std::move(*wav)));
}

int WavSource::render(qint16* out, int frames) {
    const int count = int(qMin<qint64>(frames, wav_.frames() - position_));
    WavToStereo16(wav_, position_, count, out);
    position_ += count;
    return count;
}

}  // namespace torvane
