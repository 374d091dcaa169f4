#include "app/audio/WavFile.h"

#include "TestMusicFiles.h"

#include <gtest/gtest.h>
#include <vector>

using namespace torvane;
using namespace torvane::testmusic;

namespace {

std::vector<qint16> AsStereo16(const WavFile& wav) {
    std::vector<qint16> out(2 * size_t(wav.frames()));
    WavToStereo16(wav, 0, int(wav.frames()), out.data());
    return out;
}

QByteArray WavWithData(int channels, int bits, QByteArrayView data) {
    return Riff("WAVE", WavFormatChunk(channels, bits, 22050) + Chunk("data", data));
}

}  // namespace

TEST(WavFileTest, EightBitMonoIsCentredAndCopiedToBothChannels) {
    const std::optional<WavFile> wav = ParseWav(WavWithData(1, 8, QByteArray::fromHex("0080ff")));
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->sampleRate, 22050);
    EXPECT_EQ(wav->frames(), 3);
    EXPECT_EQ(AsStereo16(*wav), (std::vector<qint16>{-32768, -32768, 0, 0, 32512, 32512}));
}

TEST(WavFileTest, SixteenBitStereoKeepsItsChannelsApart) {
    const QByteArray data = LittleEndian(qint16(1000)) + LittleEndian(qint16(-2000)) +
                            LittleEndian(qint16(-32768)) + LittleEndian(qint16(32767));
    const std::optional<WavFile> wav = ParseWav(WavWithData(2, 16, data));
    ASSERT_TRUE(wav);
    EXPECT_EQ(AsStereo16(*wav), (std::vector<qint16>{1000, -2000, -32768, 32767}));
}

TEST(WavFileTest, ReadsPastOtherChunksOfOddSize) {
    const QByteArray file =
        Riff("WAVE", Chunk("LIST", "abc") + WavFormatChunk(1, 16, 8000) + Chunk("fact", "x") +
                         Chunk("data", LittleEndian(qint16(-5))));
    const std::optional<WavFile> wav = ParseWav(file);
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->sampleRate, 8000);
    EXPECT_EQ(AsStereo16(*wav), (std::vector<qint16>{-5, -5}));
}

TEST(WavFileTest, TruncatedFileKeepsItsWholeFrames) {
    QByteArray file = Wav(2, 16, 44100, 100);
    file.chop(400 - 7);  // one whole frame and three bytes of the next are left
    const std::optional<WavFile> wav = ParseWav(file);
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->frames(), 1);
}

TEST(WavFileTest, RejectsFilesItCannotPlay) {
    const QByteArray samples = PcmSamples(1, 16, 8000, 10);
    const struct {
        const char* what;
        QByteArray file;
    } cases[] = {
        {"float samples", Riff("WAVE", WavFormatChunk(1, 32, 8000, 3) + Chunk("data", samples))},
        {"24 bits", Riff("WAVE", WavFormatChunk(1, 24, 8000) + Chunk("data", samples))},
        {"three channels", Riff("WAVE", WavFormatChunk(3, 16, 8000) + Chunk("data", samples))},
        {"rate 0", Riff("WAVE", WavFormatChunk(1, 16, 0) + Chunk("data", samples))},
        {"huge rate", Riff("WAVE", WavFormatChunk(1, 16, -1) + Chunk("data", samples))},
        {"no data", Riff("WAVE", WavFormatChunk(1, 16, 8000))},
        {"empty data", Riff("WAVE", WavFormatChunk(1, 16, 8000) + Chunk("data", ""))},
        {"no format", Riff("WAVE", Chunk("data", samples))},
        {"short format", Riff("WAVE", Chunk("fmt ", "\x01\x00") + Chunk("data", samples))},
        {"other form", Riff("RMID", WavFormatChunk(1, 16, 8000) + Chunk("data", samples))},
        {"MIDI", Midi(2, 100)},
        {"header only", QByteArray("RIFF\x04\x00\x00\x00WAVE", 12)},
        {"empty", QByteArray()},
    };
    for (const auto& c : cases) EXPECT_FALSE(ParseWav(c.file)) << c.what;
}

// The parsed file holds on to its bytes: what the caller does with its own array afterwards
// does not reach the samples, and no view of the samples can be taken from a temporary.
template <class T>
concept SamplesOfATemporary = requires(T wav) {
    std::move(wav).samples();
};
static_assert(!SamplesOfATemporary<WavFile>);

TEST(WavFileTest, KeepsItsSamplesWhenTheCallersBytesChange) {
    QByteArray file = WavWithData(1, 16, LittleEndian(qint16(1234)));
    const std::optional<WavFile> wav = ParseWav(file);
    ASSERT_TRUE(wav);
    file.fill('\0');
    file.clear();
    EXPECT_EQ(AsStereo16(*wav), (std::vector<qint16>{1234, 1234}));
}
