// The music and sound readers, fed arbitrary file contents: the WAV reader and its sample
// conversion, the RMI unwrapping, and the MIDI check up to FluidSynth's player, which renders
// the first blocks of a file that passes (so FluidSynth parses its tracks), rewinds and ends.
#include <QByteArray>
#include <array>
#include <cstdlib>

#include "app/audio/MidiSource.h"
#include "app/audio/MidiSynth.h"
#include "app/audio/RmiFile.h"
#include "app/audio/WavFile.h"

using namespace torvane;

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

// The samples lie inside the file and hold whole frames; every frame converts.
void ReadWav(const QByteArray& file) {
    std::optional<WavFile> wav = ParseWav(file);
    if (!wav) return;
    Check(wav->channels == 1 || wav->channels == 2);
    Check(wav->bitsPerSample == 8 || wav->bitsPerSample == 16);
    Check(wav->samplesOffset >= 0 && wav->samplesOffset + wav->samplesSize <= file.size());
    Check(wav->frames() > 0 && wav->samplesSize % wav->bytesPerFrame() == 0);
    std::array<qint16, 2 * 256> out;
    for (qint64 first = 0; first < wav->frames(); first += 256)
        WavToStereo16(*wav, first, int(qMin<qint64>(256, wav->frames() - first)), out.data());
}

void ReadRmi(const QByteArray& file) {
    std::optional<QByteArray> midi = MidiFromRmi(file);
    if (midi) Check(IsRmiFile(file) && midi->size() <= file.size() - 20);
}

void PlayMidi(const QByteArray& file) {
    static MidiSynth synth;
    std::unique_ptr<MidiSource> source = MidiSource::Create(file, synth);
    if (!source) return;
    std::array<qint16, 2 * 512> out;
    for (int block = 0; block < 4; ++block) Check(source->render(out.data(), 512) <= 512);
    source->rewind();
    source->render(out.data(), 64);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    ReadWav(file);
    ReadRmi(file);
    PlayMidi(file);
    return 0;
}
