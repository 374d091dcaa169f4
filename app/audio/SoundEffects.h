#pragma once

#include "app/audio/AudioOutput.h"
#include "app/audio/EffectMixer.h"

#include <QObject>
#include <QString>
#include <map>

namespace torvane {

// The short sounds built into the program, the move sound (101), the chat sound (102) and the
// clock's warning (103),
// loaded once and played asynchronously through one output stream that stays open from the
// start, so that every sound is heard from its first sample on, the first of a game too.
// Without an audio device they load all the same and play nothing; a device that appears or
// comes back later is opened for the next sound.
class SoundEffects : public QObject {
    Q_OBJECT
public:
    static constexpr int kSoundIds[] = {101, 102, 103};

    // `location` is the path of each sound, with %1 standing for its resource id.
    explicit SoundEffects(QObject* parent = nullptr,
                          const QString& location = QStringLiteral(":/sound/%1.wav"));

    // Starts the sound and returns at once; an id without a sound is ignored.
    void Play(int resourceId);
    // True when the sound behind the id was read and can be played.
    bool loaded(int resourceId) const { return samples_.count(resourceId) != 0; }
    // True while the output stream is open on a device.
    bool onDevice() const { return output_.onDevice(); }

signals:
    // A sound has been started.
    void played(int resourceId);

private:
    void openOutput();

    std::map<int, EffectSamples> samples_;
    // Destroyed first: the output stops pulling from the mixer before the mixer goes.
    EffectMixer mixer_;
    AudioOutput output_;
};

}  // namespace torvane
