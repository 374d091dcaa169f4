#pragma once

#include <QByteArrayView>
#include <optional>

namespace torvane {

// One chunk of a RIFF file: its body, as far as the file holds it.
struct RiffChunk {
    QByteArrayView body;
    bool complete = false;  // false when the file ends inside the chunk
};

// Finds the first chunk `id` in a RIFF file whose form type is `formType` ("WAVE", "RMID").
// Nothing when the file is no such RIFF file or holds no such chunk.
std::optional<RiffChunk> FindRiffChunk(QByteArrayView file, QByteArrayView formType,
                                       QByteArrayView id);

}  // namespace torvane
