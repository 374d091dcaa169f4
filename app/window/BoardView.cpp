#include "app/window/BoardView.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/window/CursorFrame.h"
#include "app/window/Fonts.h"
#include "app/window/ImageStore.h"
#include "app/window/Twips.h"
#include "rules/Side.h"

namespace torvane {

namespace {

constexpr int kCellTwips = 600;
constexpr int kPieceTwips = 480;  // 32 pixels at the design size

// The felt round the board, as one colour: its texture's average.
QColor FrameColour(qreal dpr) {
    return Texture("felt", dpr)
        .toImage()
        .scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .pixelColor(0, 0);
}

}  // namespace

BoardView::BoardView(const Game& game, QWidget* parent) : QWidget(parent), game_(game) {
    setObjectName("Picture1");
    // A window of its own, so that the pointer can be confined to it while a piece is held.
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The board has the keyboard until the chat box is clicked, so that the window's keys act
    // on the game rather than on the text being typed.
    setFocusPolicy(Qt::StrongFocus);
}

void BoardView::SetScale(double scale) {
    scale_ = scale;
    base_ = QPixmap();
    update();
}

int BoardView::GridLine(int index) const {
    return Px(kCellTwips * index, scale_);
}

// The same grid lines as drawn, so a press lands in the square the player sees.
int BoardView::CellAt(QPoint pos) const {
    auto index = [this](int at) {
        for (int i = 0; i < 9; ++i)
            if (at >= GridLine(i) && at < GridLine(i + 1)) return i;
        return -1;
    };
    int column = index(pos.x());
    int row = index(pos.y());
    return column < 0 || row < 0 ? -1 : row * 9 + column;
}

QRect BoardView::CellRect(int cell) const {
    return QRect(QPoint(GridLine(ColumnOf(cell)), GridLine(RowOf(cell))),
                 QPoint(GridLine(ColumnOf(cell) + 1) - 1, GridLine(RowOf(cell) + 1) - 1));
}

QPoint BoardView::CellPicturePos(int cell) const {
    return QPoint(Px(60 + kCellTwips * ColumnOf(cell), scale_),
                  Px(70 + kCellTwips * RowOf(cell), scale_));
}

int BoardView::PieceSize() const {
    return Px(kPieceTwips, scale_);
}

void BoardView::SetBackground(const QImage& picture) {
    background_.Set(picture, size());
    base_ = QPixmap();
    update();
}

// The wood (or the chosen picture) with the grid over it changes only with the picture or the
// screen, so it is drawn once and kept; a repaint then copies it and draws the pieces.
const QPixmap& BoardView::Base() {
    qreal dpr = devicePixelRatioF();
    if (!base_.isNull() && base_.size() == size() * dpr && base_.devicePixelRatio() == dpr)
        return base_;
    base_ = QPixmap(size() * dpr);
    base_.setDevicePixelRatio(dpr);
    QPainter p(&base_);
    if (background_.isNull())
        p.drawTiledPixmap(rect(), Texture("maple", dpr));
    else
        p.drawPixmap(0, 0, background_.At(size(), dpr));
    // Lines a whole number of pixels wide, drawn on the pixels right of and below each line's
    // position, as the one-pixel lines of the design size are. Beyond the ninth line the wood
    // gives way to the frame, as the felt shows above and left of the first; a chosen picture
    // fills the whole box.
    const int line = std::max(1, static_cast<int>(std::lround(scale_)));
    const int end = GridLine(9) + line;
    for (int i = 0; i <= 9; ++i) {
        p.fillRect(0, GridLine(i), end, line, Qt::black);
        p.fillRect(GridLine(i), 0, line, end, Qt::black);
    }
    if (!background_.isNull()) return base_;
    const QColor frame = FrameColour(dpr);
    p.fillRect(end, 0, width() - end, height(), frame);
    p.fillRect(0, end, width(), height() - end, frame);
    return base_;
}

void BoardView::ShowReplay(const BoardCells* cells) {
    if (replay_ == cells) return;
    replay_ = cells;
    update();
}

void BoardView::ShowCoordinates(bool shown) {
    if (coordinates_ == shown) return;
    coordinates_ = shown;
    update();
}

void BoardView::MarkLastMove(int from, int to) {
    if (from == lastFrom_ && to == lastTo_) return;
    lastFrom_ = from;
    lastTo_ = to;
    update();
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, Base());
    PaintLastMove(p);
    qreal dpr = devicePixelRatioF();
    const BoardCells& cells = ShownCells();
    for (int i = 0; i < kCellCount; ++i) {
        int picture = cells[i].Picture;
        if (picture) p.drawPixmap(CellPicturePos(i), PiecePixmap(picture, PieceSize(), dpr));
    }
    if (coordinates_) PaintCoordinates(p);
    PaintKeyboardCursor(p);
    if (replay_) PaintReplaySign(p);
}

// Inside the grid lines, over the pieces and the coordinates.
void BoardView::PaintKeyboardCursor(QPainter& p) const {
    if (!cursor_ || !cursor_->Shown()) return;
    const int line = std::max(1, static_cast<int>(std::lround(scale_)));
    auto frame = [&](int cell, bool dashed) {
        if (cell >= 0)
            PaintCursorFrame(p, CellRect(cell).adjusted(line, line, 0, 0), scale_, dashed);
    };
    frame(cursor_->HeldIn(std::nullopt), true);
    frame(cursor_->IndexIn(std::nullopt), false);
}

// A warm wash over the target and a fainter one over the origin, inside the grid lines.
void BoardView::PaintLastMove(QPainter& p) const {
    const int line = std::max(1, static_cast<int>(std::lround(scale_)));
    auto wash = [&](int cell, int alpha) {
        if (cell >= 0 && cell < kCellCount)
            p.fillRect(CellRect(cell).adjusted(line, line, 0, 0), QColor(255, 196, 64, alpha));
    };
    wash(lastFrom_, 70);
    wash(lastTo_, 140);
}

// As online boards show them: a file's number in the top corner of its top cell, a rank's kanji
// in the bottom corner of its cell on the right, small enough to leave the round pieces clear.
// For Sente at the bottom the files run ９…１ from the left and the ranks 一…九 from the top.
void BoardView::PaintCoordinates(QPainter& p) const {
    static const QString files[] = {"１", "２", "３", "４", "５", "６", "７", "８", "９"};
    static const QString ranks[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
    const bool turned = game_.LocalSide() == Side::Gote;
    QFont font = UiFont(8);
    font.setPixelSize(std::max(7, Px(125, scale_)));
    p.setFont(font);
    p.setPen(QColor(70, 40, 15));
    const int inset = std::max(1, Px(20, scale_));
    for (int i = 0; i < 9; ++i) {
        const QRect file = CellRect(i).adjusted(inset, 0, -inset, 0);
        p.drawText(file, Qt::AlignTop | Qt::AlignRight, files[turned ? i : 8 - i]);
        const QRect rank = CellRect(9 * i + 8).adjusted(inset, 0, -inset, -inset / 2);
        p.drawText(rank, Qt::AlignBottom | Qt::AlignRight, ranks[turned ? 8 - i : i]);
    }
}

// A blue frame round the board: this is not the game's position (the window's tag beside the
// turn line says so in words).
void BoardView::PaintReplaySign(QPainter& p) const {
    const QColor blue(30, 80, 190);
    const int frame = std::max(3, Px(45, scale_));
    QPen pen(blue, frame);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.drawRect(QRectF(rect()).adjusted(frame / 2.0, frame / 2.0, -frame / 2.0, -frame / 2.0));
}

void BoardView::mousePressEvent(QMouseEvent* e) {
    int cell = CellAt(e->position().toPoint());
    if (cell >= 0 && onPress) onPress(cell, e->button());
}

void BoardView::mouseReleaseEvent(QMouseEvent* e) {
    if (onRelease) onRelease(e->globalPosition().toPoint());
}

}  // namespace torvane
