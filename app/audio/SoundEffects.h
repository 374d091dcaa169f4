#pragma once

#include <QObject>
#include <QString>
#include <map>

class QSoundEffect;

namespace torvane {

// The two short sounds built into the program, the move sound (101) and the chat sound (102),
// loaded once and played asynchronously. Without an audio device they load all the same and
// play nothing.
class SoundEffects : public QObject {
    Q_OBJECT
public:
    static constexpr int kSoundIds[] = {101, 102};

    // `location` is the URL of each sound, with %1 standing for its resource id.
    explicit SoundEffects(QObject* parent = nullptr,
                          const QString& location = QStringLiteral("qrc:/sound/%1.wav"));

    // Starts the sound and returns at once; an id without a sound is ignored.
    void Play(int resourceId);
    // The effect behind a resource id, nullptr for an id without a sound.
    const QSoundEffect* effect(int resourceId) const;

signals:
    // A sound has been started.
    void played(int resourceId);

private:
    std::map<int, QSoundEffect*> effects_;
};

}  // namespace torvane
