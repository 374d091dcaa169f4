#include <gtest/gtest.h>
#include <QByteArray>
#include <QFile>
#include <cmath>

namespace torvane {
namespace {

struct Wave {
    int format = 0;
    int channels = 0;
    int rate = 0;
    int byteRate = 0;
    int blockAlign = 0;
    int bits = 0;
    QByteArray data;
};

// The unsigned little-endian number of `width` bytes at `at`, read byte by byte so that no
// read reaches past the array.
quint32 Le(const QByteArray& bytes, qsizetype at, int width) {
    quint32 value = 0;
    for (int i = width - 1; i >= 0; --i) value = value << 8 | quint8(bytes.at(at + i));
    return value;
}

// Reads the chunks of a RIFF WAVE file; a file that is not one gives format 0.
Wave ParseWave(const QByteArray& bytes) {
    Wave wave;
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") return wave;
    if (Le(bytes, 4, 4) + 8 != quint32(bytes.size())) return wave;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = Le(bytes, at + 4, 4);
        const qsizetype body = at + 8;
        if (body + size > bytes.size()) return Wave{};
        if (id == "fmt " && size >= 16) {
            wave.format = int(Le(bytes, body, 2));
            wave.channels = int(Le(bytes, body + 2, 2));
            wave.rate = int(Le(bytes, body + 4, 4));
            wave.byteRate = int(Le(bytes, body + 8, 4));
            wave.blockAlign = int(Le(bytes, body + 12, 2));
            wave.bits = int(Le(bytes, body + 14, 2));
        } else if (id == "data") {
            wave.data = bytes.mid(body, size);
        }
        at += 8 + size + (size % 2);
    }
    return wave;
}

Wave Load(const char* path) {
    QFile file(QString::fromLatin1(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return ParseWave(file.readAll());
}

// Sample `i` of channel 0, scaled to -1..1.
double Sample(const Wave& w, int i) {
    const qsizetype frame = qsizetype(i) * w.blockAlign;
    if (w.bits == 8) return (int(Le(w.data, frame, 1)) - 128) / 128.0;
    return qint16(Le(w.data, frame, 2)) / 32768.0;
}

double Peak(const Wave& w, double from, double to) {
    double peak = 0;
    for (int i = int(from * w.rate); i < int(to * w.rate); ++i)
        peak = std::max(peak, std::abs(Sample(w, i)));
    return peak;
}

double Seconds(const Wave& w) {
    return double(w.data.size()) / w.byteRate;
}

TEST(AssetSounds, MoveSoundIsAShortMonoClickThatDecays) {
    const Wave w = Load(":/sound/101.wav");
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.bits, 8);
    EXPECT_EQ(w.rate, 22050);
    EXPECT_EQ(w.byteRate, 22050);
    EXPECT_EQ(w.blockAlign, 1);
    EXPECT_NEAR(Seconds(w), 0.12, 0.002);
    EXPECT_GT(Peak(w, 0.0, 0.01), 0.5);
    EXPECT_LT(Peak(w, 0.08, 0.12), 0.1 * Peak(w, 0.0, 0.01));
}

TEST(AssetSounds, MessageSoundIsStereoSilenceThenALoudBurst) {
    const Wave w = Load(":/sound/102.wav");
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.channels, 2);
    EXPECT_EQ(w.bits, 16);
    EXPECT_EQ(w.rate, 44100);
    EXPECT_EQ(w.byteRate, 44100 * 4);
    EXPECT_EQ(w.blockAlign, 4);
    EXPECT_NEAR(Seconds(w), 0.12, 0.002);
    EXPECT_EQ(Peak(w, 0.0, 0.029), 0.0);
    EXPECT_GT(Peak(w, 0.030, 0.060), 0.7);
}

TEST(AssetSounds, TimeWarningIsTwoPipsWithSilenceBetween) {
    const Wave w = Load(":/sound/103.wav");
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.bits, 16);
    EXPECT_NEAR(Seconds(w), 0.3, 0.002);
    EXPECT_GT(Peak(w, 0.01, 0.08), 0.5);
    EXPECT_LT(Peak(w, 0.095, 0.145), 0.01);
    EXPECT_GT(Peak(w, 0.16, 0.23), 0.5);
    EXPECT_LT(Peak(w, 0.245, 0.3), 0.01);
}

TEST(AssetSounds, ParserRejectsWhatIsNoWave) {
    EXPECT_EQ(ParseWave(QByteArray()).format, 0);
    EXPECT_EQ(ParseWave(QByteArray("RIFF\x04\0\0\0WAVE", 12)).format, 0);
    QFile file(QStringLiteral(":/sound/101.wav"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    EXPECT_EQ(ParseWave(whole.left(whole.size() - 10)).format, 0);
}

}  // namespace
}  // namespace torvane
