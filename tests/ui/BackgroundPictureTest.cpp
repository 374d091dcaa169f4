#include <gtest/gtest.h>
#include <QBuffer>
#include <QTemporaryDir>

#include "FileDialogAnswerer.h"
#include "TestMusicFiles.h"
#include "UiHelpers.h"
#include "WindowPictures.h"
#include "app/dialogs/PictureDialog.h"
#include "rules/PieceKind.h"

using namespace torvane;

namespace {

const QRgb kRed = qRgb(220, 0, 0), kLeafGreen = qRgb(0, 200, 0), kBlue = qRgb(0, 0, 230),
           kYellow = qRgb(250, 230, 0);

// A picture of `columns` x `rows` pixels, one colour per pixel, row by row.
QImage Squares(int columns, int rows, std::initializer_list<QRgb> colours) {
    QImage image(columns, rows, QImage::Format_RGB32);
    auto colour = colours.begin();
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x) image.setPixel(x, y, *colour++);
    return image;
}

// A GIF of 2 x 1 pixels, blue and yellow (Qt reads GIF but cannot write it).
const QByteArray kBlueYellowGif = QByteArray::fromHex(
    "474946383961"
    "02000100"
    "800000"  // GIF89a, 2 x 1, a global table of two colours
    "0000e6"
    "fae600"  // blue, yellow
    "2c"
    "00000000"
    "02000100"
    "00"  // the image: at 0, 0, 2 x 1
    "02"
    "02440a"
    "00"  // LZW, codes of 3 bits: clear, 0, 1, end
    "3b");

bool Near(QRgb a, QRgb b, int tolerance = 24) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

class BackgroundPictureTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString Save(const QImage& image, const QString& name, const char* format) {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(image.save(path, format));
        return path;
    }
    // Chooses `path` for the menu command `command`; an empty path cancels the dialog.
    void Choose(const char* command, const QString& path) {
        files.path = path;
        f.Trigger(command);
    }
    QImage Window(const char* name) { return Snapshot(f.form, name); }
    // A pixel of the window picture, in the client area's or the board's coordinates.
    QRgb AtClient(const QImage& window, QPoint p) {
        return window.pixel(f.form.client()->mapTo(&f.form, p));
    }
    QRgb AtBoard(const QImage& window, QPoint p) {
        return window.pixel(f.form.board()->mapTo(&f.form, p));
    }
    // Every piece on the board is drawn on its cell.
    void ExpectEveryPieceDrawn(const QImage& window) {
        const QPoint board = f.form.board()->mapTo(&f.form, QPoint(0, 0));
        for (int i = 0; i < kCellCount; ++i) {
            const int picture = f.form.game().Squares()[i].Picture;
            if (picture) {
                EXPECT_GT(
                    MatchingPixels(window, board + f.form.board()->CellPicturePos(i), picture), 500)
                    << "cell " << i;
            }
        }
    }
    // The grid lines between cells, where no piece covers them.
    void ExpectGridDrawn(const QImage& window) {
        for (int line = 1; line < 9; ++line) {
            EXPECT_EQ(AtBoard(window, {20, 40 * line}), qRgb(0, 0, 0)) << "row line " << line;
            EXPECT_EQ(AtBoard(window, {40 * line, 20}), qRgb(0, 0, 0)) << "column line " << line;
        }
    }

    QTemporaryDir dir_;
    ShownForm f;
    ModalAnswerer messages;
    FileDialogAnswerer files;
};

// Places of the client area where the window's own background shows between the panels: near
// the top left, the top right, the bottom left and the bottom right corner.
const QPoint kTopLeft{126, 60}, kTopRight{604, 100}, kBottomLeft{126, 400}, kBottomRight{732, 476};

}  // namespace

TEST(BackgroundPictureDialog, OffersEachKindOfPicture) {
    QTemporaryDir dir_;
    ShownForm f;
    for (const char* name : {"a.bmp", "b.gif", "c.jpg", "d.jpeg", "e.png", "f.txt"})
        testmusic::WriteFile(dir_.filePath(name), "x");
    const std::vector<QStringList> expected = {
        {"a.bmp"},
        {"b.gif"},
        {"c.jpg", "d.jpeg"},
        {"a.bmp", "b.gif", "c.jpg", "d.jpeg", "e.png", "f.txt"},
    };
    std::vector<QStringList> listed;
    ModalWatcher<QFileDialog> look([&](QFileDialog& d) {
        EXPECT_EQ(d.windowTitle(), "画像ファイル選択");
        EXPECT_EQ(
            d.nameFilters(),
            QStringList({"ピットマップファイル(*bmp) (*.bmp)", "gifファイル (*gif) (*.gif)",
                         "ｊｐｇファイル (*jpg) (*.jpg *.jpeg)", "すべてのファイル(*.*) (*)"}));
        d.setDirectory(dir_.path());
        for (int i = 0; i < d.nameFilters().size() && i < int(expected.size()); ++i) {
            d.selectNameFilter(d.nameFilters()[i]);
            const auto sortedList = [&d] {
                QStringList names = ListedFiles(d);
                names.sort();
                return names;
            };
            if (!QTest::qWaitFor([&] { return sortedList() == expected[i]; }, 5000))
                ADD_FAILURE() << "filter " << i << " never listed its files";
            listed.push_back(sortedList());
        }
        CancelFile(d);
    });
    f.Trigger("sonota");
    EXPECT_EQ(listed, expected);
}

// A picture of 2 x 2 pixels fills the whole client area, stretched; the board and its pieces
// are drawn over it as before.
TEST_F(BackgroundPictureTest, TheWindowPictureIsStretchedOverTheClientArea) {
    const QImage before = Window("window-before");
    Choose("sonota", Save(Squares(2, 2, {kRed, kLeafGreen, kBlue, kYellow}), "four.bmp", "BMP"));
    const QImage after = Window("window-picture");
    EXPECT_TRUE(Near(AtClient(after, kTopLeft), kRed));
    EXPECT_TRUE(Near(AtClient(after, kTopRight), kLeafGreen));
    EXPECT_TRUE(Near(AtClient(after, kBottomLeft), kBlue));
    EXPECT_TRUE(Near(AtClient(after, kBottomRight), kYellow));
    EXPECT_EQ(AtBoard(after, {180, 180}), AtBoard(before, {180, 180})) << "the board changed";
    ExpectEveryPieceDrawn(after);
    ExpectGridDrawn(after);
}

// In the middle of a game: the picture is fitted to the board under the grid, every piece
// stays where it is and the game goes on.
TEST_F(BackgroundPictureTest, TheBoardPictureIsFittedUnderTheGridAndThePieces) {
    f.Trigger("sutato");
    f.DragCell(45, 36);
    const BoardCells cells = f.form.game().Squares();
    Choose("booob", testmusic::WriteFile(dir_.filePath("two.gif"), kBlueYellowGif));
    const QImage after = Window("board-picture");
    EXPECT_EQ(f.form.game().Squares(), cells);
    EXPECT_TRUE(Near(AtBoard(after, {60, 180}), kBlue));     // an empty cell on the left
    EXPECT_TRUE(Near(AtBoard(after, {340, 180}), kYellow));  // one on the right
    EXPECT_TRUE(Near(AtBoard(after, {363, 363}), kYellow));  // the margin beyond the grid
    ExpectEveryPieceDrawn(after);
    ExpectGridDrawn(after);

    f.DragCell(27, 28);
    f.DragCell(36, 37);  // so that the emptied cell is no longer the last move's, marked
    EXPECT_EQ(f.form.game().Squares()[28].Kind, Dog);
    const QImage moved = Window("board-picture-moved");
    EXPECT_TRUE(Near(AtBoard(moved, {20, 140}), kBlue)) << "the picture under the left cell";
    ExpectEveryPieceDrawn(moved);
}

// A photograph: the window shows it, the grid and pieces stay.
TEST_F(BackgroundPictureTest, AJpegPictureIsShown) {
    Choose("booob", Save(Squares(1, 1, {kLeafGreen}).scaled(64, 64), "photo.jpg", "JPEG"));
    const QImage after = Window("board-jpeg");
    EXPECT_TRUE(Near(AtBoard(after, {180, 180}), kLeafGreen));
    ExpectGridDrawn(after);
    ExpectEveryPieceDrawn(after);
}

// A file that is no picture, or a cancelled dialog after an earlier choice: nothing changes,
// and nothing is said.
TEST_F(BackgroundPictureTest, AnUnreadableFileOrACancelChangesNothing) {
    Choose("sonota", Save(Squares(1, 1, {kRed}), "red.bmp", "BMP"));
    Choose("booob", Save(Squares(1, 1, {kBlue}), "blue.bmp", "BMP"));
    const QImage chosen = Window("chosen");
    QByteArray noise(4000, '\0');
    for (int i = 0; i < noise.size(); ++i) noise[i] = char(i * 131 % 256);
    const QString bad[] = {
        testmusic::WriteFile(dir_.filePath("noise.bmp"), noise),
        testmusic::WriteFile(dir_.filePath("empty.gif"), ""),
        testmusic::WriteFile(dir_.filePath("cut.jpg"),
                             [] {
                                 QByteArray bytes;
                                 QBuffer buffer(&bytes);
                                 buffer.open(QIODevice::WriteOnly);
                                 QImage(50, 50, QImage::Format_RGB32).save(&buffer, "JPEG");
                                 return bytes.left(40);
                             }()),
        QString(),  // cancelled
    };
    for (const QString& path : bad)
        for (const char* command : {"sonota", "booob"}) {
            Choose(command, path);
            const QImage now = Window("unchanged");
            EXPECT_EQ(AtClient(now, kTopRight), AtClient(chosen, kTopRight))
                << command << " " << path.toStdString();
            EXPECT_EQ(AtBoard(now, {180, 180}), AtBoard(chosen, {180, 180}))
                << command << " " << path.toStdString();
        }
    EXPECT_EQ(files.answered, 10);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_TRUE(Near(AtClient(chosen, kTopRight), kRed));
    EXPECT_TRUE(Near(AtBoard(chosen, {180, 180}), kBlue));
}

// A file named for one kind that holds another is read by its contents.
TEST(PictureFile, TheContentsDecideNotTheName) {
    QTemporaryDir dir;
    const QString path = dir.filePath("really-a-png.bmp");
    ASSERT_TRUE(Squares(1, 1, {kYellow}).save(path, "PNG"));
    const QImage picture = ReadPicture(path);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.pixel(0, 0), kYellow);
    EXPECT_TRUE(ReadPicture(dir.filePath("missing.gif")).isNull());
    const QImage gif = ReadPicture(testmusic::WriteFile(dir.filePath("two.gif"), kBlueYellowGif));
    ASSERT_EQ(gif.size(), QSize(2, 1));
    EXPECT_EQ(gif.pixel(0, 0), kBlue);
    EXPECT_EQ(gif.pixel(1, 0), kYellow);
}
