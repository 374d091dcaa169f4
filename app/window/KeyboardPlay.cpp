#include "app/window/KeyboardPlay.h"

#include <QKeyEvent>

namespace torvane {

namespace {

struct Arrow {
    int key, columns, rows;
};
constexpr Arrow kArrows[] = {
    {Qt::Key_Left, -1, 0}, {Qt::Key_Right, 1, 0}, {Qt::Key_Up, 0, -1}, {Qt::Key_Down, 0, 1}};

bool IsSelectKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

// The keys of keyboard play, pressed without Shift, Ctrl or Alt.
bool IsPlayKey(const QKeyEvent& e) {
    if ((e.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    const int key = e.key();
    for (const Arrow& arrow : kArrows)
        if (arrow.key == key) return true;
    return IsSelectKey(key) || key == Qt::Key_H || key == Qt::Key_Escape;
}

}  // namespace

KeyboardPlay::KeyboardPlay(const Game& game, BoardView* board, HandView* bottom, HandView* top)
    : QObject(board), game_(game), board_(board), bottom_(bottom), top_(top) {
    board->installEventFilter(this);
    board->SetKeyboardCursor(&cursor_);
    board->onActivate = [this](int cell) { Activate({std::nullopt, cell}); };
    for (auto [hand, view] : {std::pair{Hand::Image4, bottom}, std::pair{Hand::Image5, top}}) {
        view->installEventFilter(this);
        view->SetKeyboardCursor(&cursor_);
        view->onActivate = [this, hand = hand](int slot) { Activate({hand, slot}); };
    }
}

KeyboardPlay::~KeyboardPlay() {
    board_->SetKeyboardCursor(nullptr);
    board_->onActivate = nullptr;
    for (HandView* hand : {bottom_, top_}) {
        hand->SetKeyboardCursor(nullptr);
        hand->onActivate = nullptr;
    }
}

void KeyboardPlay::TakeHold() {
    cursor_.Hold();
    if (!cursor_.Place().OnBoard()) cursor_.ReturnToBoard();  // on to the cell to drop it on
    Changed();
}

void KeyboardPlay::LetGo() {
    if (!cursor_.Holding()) return;
    cursor_.Release();
    Changed();
}

void KeyboardPlay::Activate(const CursorPlace& place) {
    cursor_.Show();
    cursor_.MoveTo(place);
    Changed();
    Select();
}

// Keys reach the board only while it has the focus. A held piece is put back before anything
// else takes the keyboard or runs a command (a menu, a shortcut, a box), so no command finds a
// piece half moved; the mouse puts it back too before its own press.
bool KeyboardPlay::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            if (watched == board_ && IsPlayKey(*static_cast<QKeyEvent*>(event)))
                return OnKey(static_cast<QKeyEvent*>(event)->key());
            break;
        case QEvent::ShortcutOverride:
            if (watched == board_ && !IsPlayKey(*static_cast<QKeyEvent*>(event))) Cancel();
            break;
        case QEvent::FocusOut:
            if (watched == board_) Cancel();
            break;
        case QEvent::MouseButtonPress:
            Cancel();
            if (cursor_.Shown()) {
                cursor_.Hide();
                Changed();
            }
            break;
        default:
            break;
    }
    return false;
}

// The first key only shows the cursor where it stands.
bool KeyboardPlay::OnKey(int key) {
    if (key == Qt::Key_Escape) return Escape();
    if (!cursor_.Shown()) {
        cursor_.Show();
        Changed();
        return true;
    }
    for (const Arrow& arrow : kArrows)
        if (arrow.key == key) Step(arrow.columns, arrow.rows);
    if (key == Qt::Key_H) ToggleHand();
    if (IsSelectKey(key)) Select();
    return true;
}

// Puts the held piece back, and the cursor from a hand back on the board.
bool KeyboardPlay::Escape() {
    if (!cursor_.Holding() && cursor_.Place().OnBoard()) return false;
    Cancel();
    if (!cursor_.Place().OnBoard()) cursor_.ReturnToBoard();
    Changed();
    return true;
}

void KeyboardPlay::Step(int columns, int rows) {
    cursor_.Step(columns, rows);
    Changed();
}

// The hand of the side to move: the bottom one when it is the player's at the bottom.
void KeyboardPlay::ToggleHand() {
    if (cursor_.Place().OnBoard())
        cursor_.EnterHand(game_.ToMove() == game_.LocalSide() ? Hand::Image4 : Hand::Image5);
    else
        cursor_.ReturnToBoard();
    Changed();
}

// Picks up the piece under the cursor, or drops the held one on the cursor's cell. A held piece
// taken back to a hand is put back.
void KeyboardPlay::Select() {
    const CursorPlace place = cursor_.Place();
    if (cursor_.Holding()) {
        if (!place.OnBoard())
            Cancel();
        else if (onDrop)
            onDrop(place.index);
        return;
    }
    picking_ = true;
    if (onPick) onPick(place);
    picking_ = false;
}

void KeyboardPlay::Cancel() {
    if (cursor_.Holding() && onCancel) onCancel();
}

void KeyboardPlay::Changed() {
    board_->update();
    bottom_->update();
    top_->update();
    emit changed();
}

}  // namespace torvane
