#include "app/audio/AudioRiff.h"

#include <QtEndian>

namespace torvane {

namespace {
constexpr qsizetype kRiffHeaderSize = 12;  // "RIFF", size, form type
constexpr qsizetype kChunkHeaderSize = 8;  // id, size
}  // namespace

std::optional<RiffChunk> FindRiffChunk(QByteArrayView file, QByteArrayView formType,
                                       QByteArrayView id) {
    if (file.size() < kRiffHeaderSize || file.first(4) != "RIFF" || file.sliced(8, 4) != formType)
        return std::nullopt;
    qsizetype pos = kRiffHeaderSize;
    while (file.size() - pos >= kChunkHeaderSize) {
        const qsizetype size = qFromLittleEndian<quint32>(file.data() + pos + 4);
        const qsizetype bodyStart = pos + kChunkHeaderSize;
        if (file.sliced(pos, 4) == id) {
            const qsizetype available = file.size() - bodyStart;
            return RiffChunk{file.sliced(bodyStart, qMin(size, available)), size <= available};
        }
        // A body of odd size is followed by one pad byte.
        pos = bodyStart + size + (size & 1);
    }
    return std::nullopt;
}

}  // namespace torvane
