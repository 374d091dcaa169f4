#include "app/audio/SoundEffects.h"

#include <QSoundEffect>
#include <QUrl>

namespace torvane {

SoundEffects::SoundEffects(QObject* parent, const QString& location) : QObject(parent) {
    for (int id : kSoundIds) {
        auto* effect = new QSoundEffect(this);
        effect->setSource(QUrl(location.arg(id)));
        effects_[id] = effect;
    }
}

void SoundEffects::Play(int resourceId) {
    const auto found = effects_.find(resourceId);
    if (found == effects_.end()) return;
    found->second->play();
    emit played(resourceId);
}

const QSoundEffect* SoundEffects::effect(int resourceId) const {
    const auto found = effects_.find(resourceId);
    return found == effects_.end() ? nullptr : found->second;
}

}  // namespace torvane
