#include "app/audio/RmiFile.h"

#include "app/audio/AudioRiff.h"

namespace torvane {

bool IsRmiFile(QByteArrayView file) {
    return file.size() >= 12 && file.first(4) == "RIFF" && file.sliced(8, 4) == "RMID";
}

std::optional<QByteArray> MidiFromRmi(QByteArrayView file) {
    const std::optional<RiffChunk> data = FindRiffChunk(file, "RMID", "data");
    if (!data || !data->complete) return std::nullopt;
    return data->body.toByteArray();
}

}  // namespace torvane
