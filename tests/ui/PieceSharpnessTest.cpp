#include <gtest/gtest.h>

#include "UiHelpers.h"
#include "WindowPictures.h"
#include "app/dialogs/Form2.h"
#include "app/window/ImageStore.h"
#include "app/window/PictureDrawer.h"

using namespace torvane;

namespace {

// The largest step in grey between two neighbouring opaque pixels: how crisp the ink's edges
// are. A picture enlarged by n spreads each edge over about n pixels and divides it by n.
int MaxEdgeStep(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    int best = 0;
    auto step = [&](QPoint a, QPoint b) {
        const QRgb p = image.pixel(a), q = image.pixel(b);
        if (qAlpha(p) == 255 && qAlpha(q) == 255)
            best = std::max(best, std::abs(qGray(p) - qGray(q)));
    };
    for (int y = 0; y + 1 < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x) {
            step({x, y}, {x + 1, y});
            step({x, y}, {x, y + 1});
        }
    return best;
}

// `image` enlarged `factor` times, as a picture drawn for the design size would be.
QImage Enlarged(const QImage& image, int factor) {
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

// A piece shown at twice and three times the design size (a larger window or a HiDPI screen)
// is drawn for its device pixels: its edges are as crisp as those of the build's 64-pixel
// picture, and far crisper than the 32-pixel picture enlarged.
TEST(PieceSharpness, LargerPiecesAreDrawnNotEnlarged) {
    for (int id : {123, 124, 128, 161, 189}) {
        const QImage design = PiecePixmap(id, 32, 1.0).toImage();
        const int crispStep = MaxEdgeStep(PiecePixmap(id, 64, 1.0).toImage());
        for (int factor : {2, 3}) {
            PiecePixmap(id, 32 * factor, 1.0);
            ASSERT_TRUE(QTest::qWaitFor([] { return !PictureDrawer::instance().pending(); }));
            for (const QPixmap& piece :
                 {PiecePixmap(id, 32 * factor, 1.0), PiecePixmap(id, 32, factor)}) {
                ASSERT_EQ(piece.toImage().size(), QSize(32 * factor, 32 * factor)) << id;
                const int step = MaxEdgeStep(piece.toImage());
                EXPECT_GE(step, 0.9 * crispStep) << id << " at " << factor;
                EXPECT_GT(step, 1.4 * MaxEdgeStep(Enlarged(design, factor)))
                    << id << " at " << factor;
            }
        }
    }
}

// In a window at twice the design size the board shows the pieces drawn at 64 pixels, and the
// held piece's pointer is drawn at that size too.
TEST(PieceSharpness, TheWindowAtTwiceTheSizeShowsPiecesDrawnForIt) {
    ShownForm f;
    ModalAnswerer answers;
    f.ScaleTo(2.0);
    f.Trigger("sutato");
    const BoardView* board = f.form.board();
    ASSERT_EQ(board->PieceSize(), 64);
    const QImage window = Snapshot(f.form, "pieces-2x");
    const QPoint origin = board->mapTo(&f.form, QPoint());
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int id = f.form.game().Squares()[cell].Picture;
        if (id) {
            EXPECT_GT(MatchingPixels(window, origin + board->CellPicturePos(cell), id, 64), 2000)
                << "cell " << cell;
        }
    }
    QTest::mousePress(f.window(), Qt::LeftButton, {}, f.CellCentre(76));
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    const QImage pointer = QApplication::overrideCursor()->pixmap().toImage();
    QTest::mouseRelease(f.window(), Qt::LeftButton, {}, f.CellCentre(76));
    EXPECT_EQ(pointer.size(), QSize(64, 64));
    const QImage small = pointer.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_GT(MaxEdgeStep(pointer), 1.4 * MaxEdgeStep(Enlarged(small, 2)));
}

// The splash at twice and three times its design size (the main window's scale) shows its
// picture drawn for that size, not the design's picture enlarged.
TEST(PieceSharpness, TheSplashAtLargerScalesIsDrawnForItsSize) {
    const QImage design = SplashPixmap(QSize(400, 150), 1.0).toImage();
    for (int factor : {2, 3}) {
        Form2 splash(Form2::SteadyNow, factor);
        SplashPixmap(splash.size(), 1.0);
        ASSERT_TRUE(QTest::qWaitFor([] { return !PictureDrawer::instance().pending(); }));
        const QImage shown = Snapshot(splash, factor == 2 ? "splash-2x" : "splash-3x");
        ASSERT_EQ(shown.size(), QSize(400, 150) * factor);
        EXPECT_GT(MaxEdgeStep(shown), 1.4 * MaxEdgeStep(Enlarged(design, factor))) << factor;
    }
}
