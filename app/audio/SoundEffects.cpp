#include "app/audio/SoundEffects.h"

#include <QFile>

namespace torvane {

namespace {
constexpr qint64 kMaxSoundBytes = 4 << 20;  // a short effect; anything larger is not one
}  // namespace

SoundEffects::SoundEffects(QObject* parent, const QString& location)
    : QObject(parent), output_(this, AudioOutput::WithoutDevice::Stop) {
    for (int id : kSoundIds) {
        QFile file(location.arg(id));
        if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxSoundBytes) continue;
        if (std::optional<WavFile> wav = ParseWav(file.readAll()))
            samples_[id] = ToEffectSamples(*wav);
    }
    output_.setLowLatency(true);
    openOutput();
}

void SoundEffects::openOutput() {
    if (!output_.onDevice()) output_.start(&mixer_);
}

void SoundEffects::Play(int resourceId) {
    if (std::find(std::begin(kSoundIds), std::end(kSoundIds), resourceId) == std::end(kSoundIds))
        return;
    const auto found = samples_.find(resourceId);
    if (found != samples_.end()) {
        openOutput();
        mixer_.play(found->second);
    }
    emit played(resourceId);
}

}  // namespace torvane
