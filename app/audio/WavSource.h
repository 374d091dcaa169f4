#pragma once

#include "app/audio/AudioSource.h"
#include "app/audio/WavFile.h"

#include <QByteArray>
#include <memory>

namespace torvane {

// A PCM WAV file played from memory.
class WavSource : public AudioSource {
public:
    // Nothing unless the bytes are a WAV file that ParseWav accepts.
    static std::unique_ptr<WavSource> Create(QByteArray bytes);

    int sampleRate() const override { return wav_.sampleRate; }
    int render(qint16* out, int frames) override;
    void rewind() override { position_ = 0; }

private:
    explicit WavSource(WavFile wav) : wav_(std::move(wav)) {}

    WavFile wav_;
    qint64 position_ = 0;
};

}  // namespace torvane
