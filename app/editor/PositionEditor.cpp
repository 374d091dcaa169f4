#include "app/editor/PositionEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "app/editor/PieceTray.h"
#include "app/editor/SetUpBoardView.h"
#include "app/editor/SetUpSurface.h"
#include "app/window/Fonts.h"
#include "app/window/ImageStore.h"
#include "app/window/TexturePanel.h"
#include "images/PieceImageTable.h"
#include "rules/SetUpPosition.h"
#include "rules/Sfen.h"

namespace torvane {

namespace {

// The design size, in pixels; ScaleDialog grows it with the main window.
constexpr QSize kDesignSize{664, 436};

QPushButton* AddButton(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

PositionEditor::PositionEditor(QWidget* parent, UseHandler use)
    : QDialog(parent), use_(std::move(use)) {
    setObjectName("PositionEditor");
    setWindowTitle("局面編集");
    setFixedSize(kDesignSize);
    auto* felt = new TexturePanel("editorFelt", "felt", this);
    felt->setGeometry(QRect(QPoint(0, 0), kDesignSize));
    BuildSurfaces(felt);
    BuildTurnPanel(felt);
    BuildButtons(felt);
    Refresh();
}

// The hands at the left, Gote's at the top as on the main board, the board, and the box at the
// right with a word on the right button.
void PositionEditor::BuildSurfaces(QWidget* felt) {
    goteHand_ = new PieceTray(board_, {SetUpPlace::Area::Hand, -1, Side::Gote}, "goteHand",
                              "後手の持ち駒", felt);
    goteHand_->setGeometry(8, 8, 128, 146);
    senteHand_ = new PieceTray(board_, {SetUpPlace::Area::Hand, -1, Side::Sente}, "senteHand",
                               "先手の持ち駒", felt);
    senteHand_->setGeometry(8, 238, 128, 146);
    boardView_ = new SetUpBoardView(board_, felt);
    boardView_->setGeometry(144, 8, 376, 376);
    box_ = new PieceTray(board_, {SetUpPlace::Area::Box, -1, Side::Sente}, "box", "駒箱", felt);
    box_->setGeometry(528, 8, 128, 146);
    auto* hint = new QLabel("右クリックで盤のコマの先手と後手を入れ替えます", felt);
    hint->setObjectName("hint");
    hint->setGeometry(528, 162, 128, 40);
    hint->setFont(UiFont(8));
    hint->setWordWrap(true);
    QPalette white = hint->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    hint->setPalette(white);
    for (SetUpSurface* surface : Surfaces()) {
        surface->onPress = [this](const SetUpPlace& place, Qt::MouseButton button) {
            OnPress(place, button);
        };
        surface->onRelease = [this](QPoint globalPos) { OnRelease(globalPos); };
    }
}

// 手番: which side moves first from the position.
void PositionEditor::BuildTurnPanel(QWidget* felt) {
    auto* panel = new TexturePanel("turnPanel", "wood", felt);
    panel->setGeometry(8, 162, 128, 68);
    auto* caption = new QLabel("手番", panel);
    caption->setGeometry(6, 2, 116, 20);
    caption->setFont(UiFont(9, true));
    senteToMove_ = new QRadioButton("先手", panel);
    senteToMove_->setObjectName("senteToMove");
    senteToMove_->setGeometry(12, 24, 104, 20);
    goteToMove_ = new QRadioButton("後手", panel);
    goteToMove_->setObjectName("goteToMove");
    goteToMove_->setGeometry(12, 44, 104, 20);
    connect(senteToMove_, &QRadioButton::toggled, this,
            [this](bool on) { board_.SetToMove(on ? Side::Sente : Side::Gote); });
}

void PositionEditor::BuildButtons(QWidget* felt) {
    connect(AddButton(felt, "startPosition", "初期局面(&I)", {528, 210, 128, 28}),
            &QPushButton::clicked, this, [this] {
                EndHold();
                board_.Reset();
                Refresh();
            });
    connect(AddButton(felt, "clearBoard", "全部駒箱へ(&L)", {528, 244, 128, 28}),
            &QPushButton::clicked, this, [this] {
                EndHold();
                board_.Clear();
                Refresh();
            });
    connect(AddButton(felt, "paste", "局面を貼り付け(&V)", {528, 278, 128, 28}),
            &QPushButton::clicked, this, &PositionEditor::Paste);
    const struct {
        const char* name;
        const char* caption;
        Use use;
    } uses[] = {
        {"playHere", "この局面で対局(&S)", Use::PlayHere},
        {"playComputer", "コンピュータと対局(&P)", Use::PlayComputer},
        {"study", "検討(&K)", Use::Study},
        {"save", "棋譜の保存(&A)…", Use::Save},
    };
    int left = 8;
    for (const auto& entry : uses) {
        connect(AddButton(felt, entry.name, entry.caption, {left, 396, 132, 30}),
                &QPushButton::clicked, this, [this, use = entry.use] { Choose(use); });
        left += 138;
    }
    connect(AddButton(felt, "close", "閉じる", {560, 396, 96, 30}), &QPushButton::clicked, this,
            &QDialog::hide);
}

std::array<SetUpSurface*, 4> PositionEditor::Surfaces() const {
    return {boardView_, goteHand_, senteHand_, box_};
}

void PositionEditor::Load(const BoardPosition& position) {
    EndHold();
    board_.Load(position);
    Refresh();
}

// A press picks a piece up, or puts down the piece a click picked up; the right button turns a
// board piece over.
void PositionEditor::OnPress(const SetUpPlace& place, Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        EndHold();
        if (place.area == SetUpPlace::Area::Board) board_.TurnOver(place.cell);
        return Refresh();
    }
    if (button != Qt::LeftButton) return;
    if (held_) return Drop(place);
    if (board_.PieceAt(place)) Hold(place);
}

// A release where the piece was picked up leaves it held for a click where it goes; anywhere
// else it puts the piece there, and outside the board, the hands and the box nowhere.
void PositionEditor::OnRelease(QPoint globalPos) {
    if (!held_) return;
    std::optional<SetUpPlace> target = PlaceAt(globalPos);
    if (target && SamePlace(*target, *held_)) return;
    Drop(target);
}

std::optional<SetUpPlace> PositionEditor::PlaceAt(QPoint globalPos) const {
    for (SetUpSurface* surface : Surfaces()) {
        const QPoint at = surface->mapFromGlobal(globalPos);
        if (surface->rect().contains(at)) return surface->PlaceAt(at);
    }
    return std::nullopt;
}

// The pointer shows the held piece, as on the main board.
void PositionEditor::Hold(const SetUpPlace& place) {
    const SetUpPiece piece = *board_.PieceAt(place);
    held_ = place;
    const ImageInk ink = piece.side == Side::Sente ? ImageInk::Black : ImageInk::Red;
    QApplication::setOverrideCursor(DragCursor(PieceImageId(piece.kind, ink, ImageVariant::Held),
                                               boardView_->PieceSize(), devicePixelRatioF()));
    if (place.area == SetUpPlace::Area::Board) boardView_->MarkHeld(place.cell);
    if (place.area == SetUpPlace::Area::Hand) hand(place.side)->MarkHeld(place.kind);
    if (place.area == SetUpPlace::Area::Box) box_->MarkHeld(place.kind);
}

void PositionEditor::Drop(const std::optional<SetUpPlace>& target) {
    if (target) board_.Move(*held_, *target);
    EndHold();
    Refresh();
}

void PositionEditor::EndHold() {
    if (!held_) return;
    held_.reset();
    QApplication::restoreOverrideCursor();
    boardView_->MarkHeld(-1);
    for (PieceTray* tray : {goteHand_, senteHand_, box_}) tray->MarkHeld(0);
}

void PositionEditor::hideEvent(QHideEvent* e) {
    EndHold();
    QDialog::hideEvent(e);
}

void PositionEditor::Paste() {
    EndHold();
    const std::string text = QApplication::clipboard()->text().trimmed().toStdString();
    BoardPosition pasted;
    if (auto why = ReadSfen(text, pasted)) return Tell("局面を読み込めません。\n" + *why);
    if (auto why = CheckSetUp(pasted)) return Tell("この局面は使えません。\n" + *why);
    Load(pasted);
}

void PositionEditor::Choose(Use use) {
    EndHold();
    if (auto why = CheckSetUp(board_.Position())) return Tell("この局面は使えません。\n" + *why);
    if (use_(use, board_.Position()) && use != Use::Save) hide();
}

// In a box of the program's title over the editor, as the main window tells the player.
void PositionEditor::Tell(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, "Torvane", QString::fromStdString(text), QMessageBox::Ok,
                    this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void PositionEditor::Refresh() {
    QSignalBlocker quietSente(senteToMove_), quietGote(goteToMove_);
    (board_.Position().toMove == Side::Sente ? senteToMove_ : goteToMove_)->setChecked(true);
    for (SetUpSurface* surface : Surfaces()) surface->update();
}

}  // namespace torvane
