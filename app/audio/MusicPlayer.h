#pragma once

#include "app/audio/AudioOutput.h"
#include "app/audio/AudioSource.h"
#include "app/audio/MidiSynth.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

namespace torvane {

// Title and filter of the window's file dialog for the background music.
inline const QString kMusicDialogTitle = QStringLiteral("BGMファイル選択");
inline const QString kMusicDialogFilter =
    QStringLiteral("MIDI Files (*.mid *.rmi);;Wave Files (*.wav)");

// The background-music player of the main window (`MMControl1`): a media player for WAV, MIDI
// and RMI files driven by commands, with the loop that plays the chosen piece again and again.
// Errors are never reported: a command that cannot be carried out leaves the player as it was.
class MusicPlayer : public QObject {
    Q_OBJECT
public:
    static constexpr int kModeNotOpen = 524;
    static constexpr int kModeStopped = 525;
    static constexpr int kModePlaying = 526;
    static constexpr int kLoopIntervalMs = 55;
    static constexpr qint64 kMaxFileBytes = 256 << 20;
    static inline const QString kWaveAudio = QStringLiteral("WaveAudio");
    static inline const QString kSequencer = QStringLiteral("Sequencer");

    explicit MusicPlayer(QObject* parent = nullptr);

    QString fileName() const { return fileName_; }
    void setFileName(const QString& path) { fileName_ = path; }
    QString deviceType() const { return deviceType_; }
    void setDeviceType(const QString& type) { deviceType_ = type; }
    int mode() const { return mode_; }
    int updateInterval() const { return statusTimer_.isActive() ? statusTimer_.interval() : 0; }
    // Raises StatusUpdate every `ms` milliseconds; 0 switches the status updates off.
    void setUpdateInterval(int ms);
    void setLoopFlag(qint16 flag) { loopFlag_ = flag; }

    // The commands. Open reads the file named by fileName() as the device type says.
    void Open();
    void Close();
    void Play();
    void Stop();
    void Prev();  // back to the start of the piece; playback stops

    // The status-update handler: restarts a stopped piece from its start while the loop flag
    // is 1.
    void StatusUpdate();
    // The loop as the menu drives it. Both do nothing while no file has been chosen.
    void StartLoop();
    void StopLoop();
    // Opens the file the user chose and loops it, closing the previous one first.
    void ChooseFile(const QString& path);

signals:
    // A piece has played to its end.
    void finished();

private:
    std::unique_ptr<AudioSource> openSource(const QByteArray& bytes);
    void onOutputFinished();

    QString fileName_;
    QString deviceType_;
    int mode_ = kModeNotOpen;
    qint16 loopFlag_ = 0;
    QTimer statusTimer_;
    // Destroyed in reverse order: the output stops before the source and the synth it renders.
    std::unique_ptr<MidiSynth> synth_;  // loaded with the first MIDI file
    std::unique_ptr<AudioSource> source_;
    AudioOutput output_;
};

}  // namespace torvane
