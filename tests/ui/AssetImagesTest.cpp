#include <gtest/gtest.h>
#include <QColor>
#include <QImage>
#include <QRawFont>
#include <QString>

#include "app/window/ImageStore.h"
#include "images/PieceImageTable.h"
#include "tools/assetgen/BrushFont.h"
#include "tools/assetgen/PieceToken.h"

namespace torvane {
namespace {

QImage Piece(int id, int scale) {
    const QString suffix = scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png");
    return QImage(QStringLiteral(":/img/piece/%1%2").arg(id).arg(suffix))
        .convertToFormat(QImage::Format_ARGB32);
}

const PieceImageEntry& Entry(PieceKind kind, ImageInk ink, ImageVariant variant) {
    for (const PieceImageEntry& e : PieceImageEntries())
        if (e.kind == kind && e.ink == ink && e.variant == variant) return e;
    throw std::logic_error("no such piece image");
}

bool InDisc(const QImage& image, int x, int y, double share) {
    const double c = image.width() / 2.0;
    const double dx = x + 0.5 - c;
    const double dy = y + 0.5 - c;
    return dx * dx + dy * dy < share * share * c * c;
}

bool IsBlackInk(QRgb p) {
    return qAlpha(p) == 255 && qRed(p) < 70 && qGreen(p) < 60 && qBlue(p) < 60;
}

bool IsRedInk(QRgb p) {
    return qAlpha(p) == 255 && qRed(p) > 170 && qGreen(p) < 90 && qBlue(p) < 90;
}

bool IsInk(QRgb p, ImageInk ink) {
    return ink == ImageInk::Red ? IsRedInk(p) : IsBlackInk(p);
}

// Ink pixels well inside the disc, away from the dark outline.
std::vector<QPoint> InkPixels(const QImage& image, ImageInk ink) {
    std::vector<QPoint> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (InDisc(image, x, y, 0.8) && IsInk(image.pixel(x, y), ink)) pixels.push_back({x, y});
    return pixels;
}

// Share of the ink pixels of `a` that are ink in `b` too, after turning `a` by `turn`.
double Overlap(const QImage& a, ImageInk inkA, const QImage& b, ImageInk inkB, bool turn) {
    const std::vector<QPoint> pixels = InkPixels(a, inkA);
    int shared = 0;
    for (QPoint p : pixels) {
        const QPoint q = turn ? QPoint(a.width() - 1 - p.x(), a.height() - 1 - p.y()) : p;
        shared += IsInk(b.pixel(q), inkB);
    }
    return pixels.empty() ? 0.0 : double(shared) / double(pixels.size());
}

int CountWhite(const QImage& image, int top, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += qAlpha(p) == 255 && qRed(p) > 235 && qGreen(p) > 235 && qBlue(p) > 235;
        }
    return n;
}

double MeanLightness(const QImage& image) {
    double sum = 0;
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (InDisc(image, x, y, 0.8) && qAlpha(image.pixel(x, y)) == 255) {
                sum += QColor(image.pixel(x, y)).lightnessF();
                ++n;
            }
    return sum / n;
}

class EveryPieceImage : public testing::TestWithParam<int> {};

TEST_P(EveryPieceImage, LoadsWithTransparentCornersAnOpaqueCentreAndInk) {
    const int scale = GetParam();
    const int size = 32 * scale;
    for (const PieceImageEntry& e : PieceImageEntries()) {
        SCOPED_TRACE(testing::Message() << "image " << e.id << " at " << scale << "x");
        const QImage image = Piece(e.id, scale);
        ASSERT_EQ(image.size(), QSize(size, size));
        EXPECT_TRUE(image.hasAlphaChannel());
        for (QPoint corner :
             {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
            EXPECT_EQ(qAlpha(image.pixel(corner)), 0);
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255);
        EXPECT_GT(InkPixels(image, e.ink).size(), size_t(12 * scale * scale));
        // The hand of a held piece has a black outline; otherwise only the own ink shows.
        const ImageInk other = e.ink == ImageInk::Red ? ImageInk::Black : ImageInk::Red;
        if (e.variant != ImageVariant::Held) {
            EXPECT_LT(InkPixels(image, other).size(), size_t(2 * scale * scale));
        }
    }
}

TEST_P(EveryPieceImage, RedKanjiIsTheBlackKanjiTurnedByHalfATurn) {
    const int scale = GetParam();
    for (PieceKind kind : kAllKinds)
        for (ImageVariant v : {ImageVariant::Normal, ImageVariant::Ghost}) {
            SCOPED_TRACE(testing::Message() << "kind " << kind << " variant " << int(v));
            const QImage black = Piece(Entry(kind, ImageInk::Black, v).id, scale);
            const QImage red = Piece(Entry(kind, ImageInk::Red, v).id, scale);
            const double turned = Overlap(black, ImageInk::Black, red, ImageInk::Red, true);
            const double upright = Overlap(black, ImageInk::Black, red, ImageInk::Red, false);
            EXPECT_GT(turned, 0.6);
            EXPECT_GT(turned, upright + 0.2);
        }
}

TEST_P(EveryPieceImage, HeldShowsAWhiteHandOnTheOwnersEdge) {
    const int scale = GetParam();
    const int size = 32 * scale;
    for (PieceKind kind : kAllKinds)
        for (ImageInk ink : {ImageInk::Black, ImageInk::Red}) {
            SCOPED_TRACE(testing::Message()
                         << "kind " << kind << " red " << (ink == ImageInk::Red));
            const QImage normal = Piece(Entry(kind, ink, ImageVariant::Normal).id, scale);
            const QImage held = Piece(Entry(kind, ink, ImageVariant::Held).id, scale);
            EXPECT_NE(normal, held);
            const int upper = CountWhite(held, 0, size / 2);
            const int lower = CountWhite(held, size / 2, size);
            const int handSide = ink == ImageInk::Black ? lower : upper;
            const int farSide = ink == ImageInk::Black ? upper : lower;
            EXPECT_GT(handSide, 25 * scale * scale);
            EXPECT_LT(farSide, handSide / 4);
            EXPECT_LT(CountWhite(normal, 0, size), 3 * scale * scale);
        }
}

TEST_P(EveryPieceImage, GhostIsACheckerboardPalerThanTheToken) {
    const int scale = GetParam();
    const int size = 32 * scale;
    for (PieceKind kind : kAllKinds)
        for (ImageInk ink : {ImageInk::Black, ImageInk::Red}) {
            SCOPED_TRACE(testing::Message()
                         << "kind " << kind << " red " << (ink == ImageInk::Red));
            const QImage ghost = Piece(Entry(kind, ink, ImageVariant::Ghost).id, scale);
            const QImage normal = Piece(Entry(kind, ink, ImageVariant::Normal).id, scale);
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) {
                    if (!InDisc(ghost, x, y, 0.9)) continue;
                    const int alpha = qAlpha(ghost.pixel(x, y));
                    ASSERT_EQ(alpha, (x + y) % 2 == 0 ? 255 : 0) << "at " << x << "," << y;
                }
            EXPECT_GT(MeanLightness(ghost), MeanLightness(normal) + 0.1);
        }
}

INSTANTIATE_TEST_SUITE_P(BothScales, EveryPieceImage, testing::Values(1, 2),
                         [](const auto& test) { return "Scale" + std::to_string(test.param); });

// An installed program on a machine without the brush font: the font file fails to load and a
// face of the machine that has the kanji draws them instead, at a size the build did not draw.
// Every piece still shows its kanji in its ink, and no two kinds look alike.
TEST(PieceDrawing, WithoutTheBrushFontAnInstalledFaceDrawsEveryPiece) {
    QString kanji;
    for (PieceKind kind : kAllKinds) kanji += QString::fromUtf8(KanjiOf(kind));
    const QFont standIn = LoadDrawingFont(QStringLiteral("/nonexistent/NoSuchBrush.ttf"),
                                          QStringLiteral("No Such Brush"), kanji);
    const QRawFont face = QRawFont::fromFont(standIn);
    for (uint code : kanji.toUcs4()) EXPECT_TRUE(face.supportsCharacter(code)) << code;
    const int size = 48;
    for (ImageInk ink : {ImageInk::Black, ImageInk::Red}) {
        std::vector<QImage> drawn;
        for (PieceKind kind : kAllKinds) {
            SCOPED_TRACE(testing::Message()
                         << "kind " << kind << " red " << (ink == ImageInk::Red));
            const PieceImageEntry& entry = Entry(kind, ink, ImageVariant::Normal);
            const QImage image = PieceImage(entry, size, standIn);
            ASSERT_EQ(image.size(), QSize(size, size));
            EXPECT_GT(InkPixels(image, ink).size(), size_t(25));
            EXPECT_NE(image, PieceImage(entry, size)) << "the brush font drew it";
            for (std::size_t other = 0; other < drawn.size(); ++other)
                EXPECT_LT(Overlap(image, ink, drawn[other], ink, false), 0.85) << "like " << other;
            drawn.push_back(image);
        }
    }
}

struct Picture {
    const char* path;
    QSize size;
};

TEST(AssetPictures, HaveTheirSizesAndAreOpaque) {
    const Picture pictures[] = {
        {":/img/icon.png", {48, 48}},       {":/img/icon@2x.png", {96, 96}},
        {":/img/splash.png", {400, 150}},   {":/img/splash@2x.png", {800, 300}},
        {":/img/felt.png", {800, 800}},     {":/img/maple.png", {360, 360}},
        {":/img/wood.png", {256, 256}},     {":/img/title.png", {125, 51}},
        {":/img/title@2x.png", {250, 102}}, {":/img/about.png", {90, 80}},
        {":/img/about@2x.png", {180, 160}},
    };
    for (const Picture& p : pictures) {
        SCOPED_TRACE(p.path);
        const QImage image(QString::fromLatin1(p.path));
        ASSERT_EQ(image.size(), p.size);
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        for (QPoint at : {QPoint(0, 0), QPoint(p.size.width() / 2, p.size.height() / 2)})
            EXPECT_EQ(qAlpha(argb.pixel(at)), 255);
    }
}

QColor MeanColour(const QString& path) {
    const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
    double r = 0, g = 0, b = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            r += qRed(p), g += qGreen(p), b += qBlue(p);
        }
    const double n = double(image.width()) * image.height();
    return QColor(int(r / n), int(g / n), int(b / n));
}

TEST(AssetPictures, TexturesHaveTheirColours) {
    const QColor felt = MeanColour(QStringLiteral(":/img/felt.png"));
    EXPECT_GT(felt.green(), felt.red() + 30);
    EXPECT_GT(felt.green(), felt.blue() + 20);
    EXPECT_LT(felt.lightnessF(), 0.35);
    const QColor maple = MeanColour(QStringLiteral(":/img/maple.png"));
    const QColor wood = MeanColour(QStringLiteral(":/img/wood.png"));
    EXPECT_GT(maple.lightnessF(), wood.lightnessF() + 0.1);
    for (const QColor& c : {maple, wood}) {
        EXPECT_GT(c.red(), c.green());
        EXPECT_GT(c.green(), c.blue());
    }
}

// A texture read ahead on a thread of its own, as the window starts, is the same picture as one
// read when first asked for; a name without a picture gives an empty one, ahead or not.
TEST(AssetPictures, ATextureReadAheadIsTheSamePicture) {
    StartReadingTextures({QStringLiteral("splash"), QStringLiteral("no-such-texture")});
    const QImage ahead = Texture(QStringLiteral("splash"), 1.0).toImage();
    EXPECT_EQ(ahead.convertToFormat(QImage::Format_RGB32),
              QImage(QStringLiteral(":/img/splash.png")).convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(Texture(QStringLiteral("no-such-texture"), 1.0).isNull());
    EXPECT_TRUE(Texture(QStringLiteral("no-such-texture"), 1.0).isNull());
}

// The textures are laid side by side; the step across a tile edge must look like any step
// between two neighbouring pixels inside the tile.
TEST(AssetPictures, TexturesTileWithoutSeams) {
    for (const char* path : {":/img/felt.png", ":/img/maple.png", ":/img/wood.png"}) {
        SCOPED_TRACE(path);
        const QImage image =
            QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_RGB32);
        const int w = image.width();
        const int h = image.height();
        auto step = [&](int x1, int y1, int x2, int y2) {
            return std::abs(qGray(image.pixel(x1, y1)) - qGray(image.pixel(x2, y2)));
        };
        double across = 0, inside = 0;
        for (int y = 0; y < h; ++y) {
            across += step(w - 1, y, 0, y);
            inside += step(w / 2 - 1, y, w / 2, y);
        }
        for (int x = 0; x < w; ++x) {
            across += step(x, h - 1, x, 0);
            inside += step(x, h / 2 - 1, x, h / 2);
        }
        EXPECT_LT(across, 1.5 * inside + w + h);
    }
}

}  // namespace
}  // namespace torvane
