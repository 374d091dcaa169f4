#include "app/audio/MusicPlayer.h"

#include "app/audio/MidiSource.h"
#include "app/audio/WavSource.h"

#include <QFile>

namespace torvane {

namespace {

// The whole file, or nothing when it cannot be read or is too large to be music.
QByteArray ReadMusicFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MusicPlayer::kMaxFileBytes) return {};
    return file.readAll();
}

}  // namespace

MusicPlayer::MusicPlayer(QObject* parent) : QObject(parent) {
    connect(&statusTimer_, &QTimer::timeout, this, &MusicPlayer::StatusUpdate);
    connect(&output_, &AudioOutput::finished, this, &MusicPlayer::onOutputFinished);
}

void MusicPlayer::setUpdateInterval(int ms) {
    if (ms > 0)
        statusTimer_.start(ms);
    else
        statusTimer_.stop();
}

void MusicPlayer::Open() {
    if (source_) return;
    source_ = openSource(ReadMusicFile(fileName_));
    if (source_) mode_ = kModeStopped;
}

std::unique_ptr<AudioSource> MusicPlayer::openSource(const QByteArray& bytes) {
    if (deviceType_ == kWaveAudio) return WavSource::Create(bytes);
    if (deviceType_ != kSequencer) return nullptr;
    if (!synth_) synth_ = std::make_unique<MidiSynth>();
    return MidiSource::Create(bytes, *synth_);
}

void MusicPlayer::Close() {
    output_.stop();
    source_.reset();
    mode_ = kModeNotOpen;
}

void MusicPlayer::Play() {
    if (!source_ || mode_ == kModePlaying) return;
    output_.start(source_.get());
    mode_ = kModePlaying;
}

void MusicPlayer::Stop() {
    if (!source_) return;
    output_.stop();
    mode_ = kModeStopped;
}

void MusicPlayer::Prev() {
    if (!source_) return;
    Stop();
    source_->rewind();
}

void MusicPlayer::onOutputFinished() {
    mode_ = kModeStopped;
    emit finished();
}

void MusicPlayer::StatusUpdate() {
    if (loopFlag_ != 1 || mode_ != kModeStopped) return;
    Prev();
    Play();
}

// The piece starts at the next status update.
void MusicPlayer::StartLoop() {
    if (fileName_.isEmpty()) return;
    setUpdateInterval(kLoopIntervalMs);
}

void MusicPlayer::StopLoop() {
    if (fileName_.isEmpty()) return;
    setUpdateInterval(0);
    Stop();
    Prev();
}

// Each step goes on whether or not the one before it succeeded; a file with an unknown ending
// is opened with the device type of the previous one.
void MusicPlayer::ChooseFile(const QString& path) {
    setUpdateInterval(0);
    if (mode_ != kModeNotOpen) Close();
    setFileName(path);
    const QString ending = fileName_.right(4).toUpper();
    if (ending == QLatin1String(".WAV")) setDeviceType(kWaveAudio);
    if (ending == QLatin1String(".MID") || ending == QLatin1String(".RMI"))
        setDeviceType(kSequencer);
    Open();
    StartLoop();
}

}  // namespace torvane
