// Writes the audio fuzzer's seeds into the directory given as the argument: small WAV files
// of each supported format, a MIDI melody and an orchestra, and the same MIDI wrapped as RMI.
#include <QByteArray>
#include <fstream>
#include <string>

#include "tests/ui/TestMusicFiles.h"

using namespace torvane::testmusic;

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::pair<const char*, QByteArray> seeds[] = {
        {"mono8.wav", Wav(1, 8, 8000, 40)},
        {"stereo16.wav", Wav(2, 16, 22050, 30)},
        {"melody.mid", Midi(3, 20)},
        {"chords.mid", Midi(2, 10, 3)},
        {"orchestra.mid", DenseMidi(1, 10)},
        {"melody.rmi", Rmi(Midi(3, 20))},
        {"orchestra.rmi", Rmi(DenseMidi(1, 10))},
    };
    for (const auto& [name, bytes] : seeds) {
        std::ofstream file(std::string(argv[1]) + "/" + name, std::ios::binary);
        file.write(bytes.constData(), bytes.size());
    }
}
