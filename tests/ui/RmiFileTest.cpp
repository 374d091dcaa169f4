#include "app/audio/RmiFile.h"

#include "TestMusicFiles.h"

#include <gtest/gtest.h>

using namespace torvane;
using namespace torvane::testmusic;

TEST(RmiFileTest, DataChunkIsTheMidi) {
    const QByteArray midi = Midi(3, 100);
    EXPECT_EQ(MidiFromRmi(Rmi(midi)), midi);
}

TEST(RmiFileTest, SkipsChunksOfOddSizeWithTheirPadByte) {
    const QByteArray midi = Midi(3, 100) + "z";  // odd length, so the data chunk is padded too
    ASSERT_EQ(midi.size() % 2, 1);
    const QByteArray file =
        Riff("RMID", Chunk("LIST", "abc") + Chunk("DISP", "x") + Chunk("data", midi));
    EXPECT_EQ(MidiFromRmi(file), midi);
}

TEST(RmiFileTest, FailsWithoutACompleteDataChunk) {
    const QByteArray midi = Midi(3, 100);
    const QByteArray rmi = Rmi(midi);
    const struct {
        const char* what;
        QByteArray file;
    } cases[] = {
        {"no data chunk", Riff("RMID", Chunk("LIST", "abc"))},
        {"ends inside the data", rmi.first(rmi.size() - 5)},
        {"ends inside a chunk header", Riff("RMID", Chunk("LIST", "abc")).append("da")},
        {"chunk size beyond the file", Riff("RMID", Chunk("LIST", "abc")).append("LIST\xff\xff")},
        {"WAVE form", Riff("WAVE", Chunk("data", midi))},
        {"plain MIDI", midi},
        {"header only", rmi.first(12)},
        {"empty", QByteArray()},
    };
    for (const auto& c : cases) EXPECT_FALSE(MidiFromRmi(c.file)) << c.what;
}
