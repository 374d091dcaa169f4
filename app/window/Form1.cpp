#include "app/window/Form1.h"

#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>
#include <cmath>

#include "app/dialogs/DialogScale.h"
#include "app/dialogs/Form3.h"
#include "app/dialogs/HelpFile.h"
#include "app/engine/ComputerPlayer.h"
#include "app/window/AccessibleEvents.h"
#include "app/window/ImageStore.h"
#include "app/window/KeyboardPlay.h"
#include "app/window/PictureDrawer.h"
#include "app/window/Twips.h"

namespace torvane {

namespace {

// The longest the contact ticker's timer sleeps, in ticks; longer than the ticker's rests.
constexpr int kLongestSleep = 1000;
// The contact ticker's tick.
constexpr int kTickMs = 10;
// The fewest ticks between two moves of the contact lines: 30 twips, which at the scales a
// window opens at (1, 1.5 and 2) is a whole number of pixels (2, 3 and 4), so the text moves
// in even steps 33 times a second. Waking every 20 ms instead would move it by 1 and 2 pixels
// in turn at the design size, no smoother to the eye, for half as many wakes again.
constexpr int kStepTicks = 3;

MouseButton ToButton(Qt::MouseButton button) {
    if (button == Qt::LeftButton) return MouseButton::Left;
    if (button == Qt::RightButton) return MouseButton::Right;
    return MouseButton::Middle;
}

}  // namespace

Form1::Form1() : game_(*this, Socket::LocalIP()) {
    StartReadingTextures({"felt", "maple", "wood"});  // decoded while the controls are built
    setObjectName("Form1");
    setWindowTitle("Torvane");
    QIcon icon;
    icon.addFile(":/img/icon.png");
    icon.addFile(":/img/icon@2x.png");
    setWindowIcon(icon);
    BuildControls();
    Picture1->ShowCoordinates(preferences_.Coordinates());
    BuildMenus();
    Picture1->setFocus();
    game_.ApplySettings(preferences_.Settings());

    drag_ = new DragController(this, Picture1);
    connect(drag_, &DragController::lost, this, &Form1::OnDragLost);
    Picture1->onPress = [this](int cell, Qt::MouseButton b) { OnBoardPress(cell, b); };
    Picture1->onRelease = [this](QPoint p) { OnRelease(p); };
    for (HandView* h : {Picture2, Picture3}) {
        h->onPress = [this](Hand hand, int slot, Qt::MouseButton b) { OnHandPress(hand, slot, b); };
        h->onRelease = [this](QPoint p) { OnRelease(p); };
    }
    WireKeyboard();

    sounds_ = new SoundEffects(this);
    MMControl1 = new MusicPlayer(this);
    MMControl1->setLoopFlag(1);
    helpFile_ = HelpFilePath();
    Timer1.setInterval(1000);
    Timer2.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(&Timer2, &QTimer::timeout, this, &Form1::Timer2_Timer);
    Timer3.setObjectName("Timer3");
    Timer3.setSingleShot(true);
    connect(&Timer3, &QTimer::timeout, this, [this] { Timer3_Timer(pendingTicks_); });

    computer_ = new ComputerPlayer(game_, this);
    connect(computer_, &ComputerPlayer::moved, this, &Form1::OnComputerMove);
    connect(computer_, &ComputerPlayer::resigned, this, &Form1::OnComputerResigns);
    connect(computer_, &ComputerPlayer::advised, this, &Form1::ShowHint);
    connect(computer_, &ComputerPlayer::failed, this, &Form1::OnEngineFailed);

    socket_ = new Socket(this);
    session_ = std::make_unique<NetSession>(game_, *socket_);
    WireNetwork();

    const double scale = InitialScale();
    LayOutAt(scale);
    Render();
    ResizeToScale(scale);
    client_->installEventFilter(this);
    connect(&PictureDrawer::instance(), &PictureDrawer::drawn, this, &Form1::ShowDrawnPictures);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    // The size and place the player last left the window at, where the screen still has them.
    restoreGeometry(preferences_.WindowGeometry());
}

// Keyboard play and what assistive tools are told go first: closing the window takes the focus
// from the board, which would otherwise put a held piece back in a game already gone. The
// window's size and place are kept for the next run, once the player has seen it.
Form1::~Form1() {
    delete a11y_;
    delete keys_;
    drag_->End();
    if (shown_) preferences_.KeepWindowGeometry(saveGeometry());
}

void Form1::showEvent(QShowEvent* event) {
    shown_ = true;
    QMainWindow::showEvent(event);
}

// The design size, or larger where the screen has room: about three quarters of its height,
// and no more than nine tenths of its width.
double Form1::InitialScale() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 1.0;
    const QSize available = screen->availableGeometry().size();
    const QSize window = minimumSizeHint();
    const double scale = std::min(0.75 * available.height() / window.height(),
                                  0.9 * available.width() / window.width());
    return std::max(1.0, scale);
}

void Form1::ResizeToScale(double scale) {
    resize(minimumSizeHint() - kDesignSize + (QSizeF(kDesignSize) * scale).toSize());
}

// The controls follow the client area: as large as the design's proportions allow inside it.
bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        const QSize size = client_->size();
        LayOutAt(std::max(1.0, std::min(double(size.width()) / kDesignSize.width(),
                                        double(size.height()) / kDesignSize.height())));
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::sutato_Click() {
    CancelComputerMove();
    ClearHint();
    game_.sutato_Click();
    Render();
}

void Form1::opusyonn_Click() {
    Form3 dialog(this, game_.SettingsOnLoad(), [this](SettingsChoice c) {
        game_.ApplySettings(c);
        preferences_.KeepSettings(game_.SettingsOnLoad());
    });
    ScaleDialog(dialog, scale_);
    dialog.exec();
    Render();
}

void Form1::Timer1_Timer() {
    game_.Timer1_Timer();
    Render();
}

void Form1::Timer2_Timer() {
    game_.Timer2_Timer();
    Render();
}

// The contact lines move 10 twips every 10 ms, less than a pixel at some scales; the timer
// sleeps until the next tick that moves them by a whole pixel of the box, and at least a step
// (kStepTicks) and a frame of the screen, so the idle program wakes only as often as the text
// visibly moves and the screen can show it. The ticks slept through are all counted when it
// wakes, so the text keeps its speed.
void Form1::Timer3_Timer(int ticks) {
    for (int i = 0; i < ticks; ++i) ticker_.Tick();
    Picture13->SetTextTop(ticker_.top());
    ScheduleTicker();
}

void Form1::ScheduleTicker() {
    pendingTicks_ = std::max(
        {kStepTicks, FrameTicks(),
         ticker_.TicksUntilMove([this](int top) { return Picture13->RowOf(top); }, kLongestSleep)});
    Timer3.start(kTickMs * pendingTicks_);
}

// The ticks of one frame of the screen the window is on: a screen refreshed 60 times a second
// shows a picture for 16.7 ms, so of repaints every 10 ms many would go unseen.
int Form1::FrameTicks() const {
    const QScreen* screen = this->screen();
    const qreal hertz = screen && screen->refreshRate() > 0 ? screen->refreshRate() : 60.0;
    return std::max(1, static_cast<int>(std::ceil(1000.0 / hertz / kTickMs)));
}

void Form1::OnBoardPress(int cell, Qt::MouseButton button) {
    if (drag_->active() || LeaveReplay()) return;
    ClearHint();
    game_.BoardPickUp(cell, ToButton(button));
    Render();
}

void Form1::OnHandPress(Hand hand, int slot, Qt::MouseButton button) {
    if (drag_->active() || LeaveReplay()) return;
    ClearHint();
    game_.HandPickUp(hand, slot, ToButton(button));
    Render();
}

// The drop goes to the control under the pointer: a board cell makes a move, anything else
// only ends the drag.
void Form1::OnRelease(QPoint globalPos) {
    if (!drag_->active()) return;
    QPoint local = Picture1->mapFromGlobal(drag_->Clamp(globalPos));
    int cell = Picture1->rect().contains(local) ? Picture1->CellAt(local) : -1;
    if (cell >= 0)
        game_.Image1_DragDrop(cell);
    else
        game_.DropElsewhere();
    Render();
}

// The keyboard picks up and drops as the mouse presses and releases.
void Form1::WireKeyboard() {
    keys_ = new KeyboardPlay(game_, Picture1, Picture3, Picture2);
    keys_->onPick = [this](const CursorPlace& at) {
        if (at.hand)
            OnHandPress(*at.hand, at.index, Qt::LeftButton);
        else
            OnBoardPress(at.index, Qt::LeftButton);
    };
    keys_->onDrop = [this](int cell) {
        game_.Image1_DragDrop(cell);
        Render();
    };
    keys_->onCancel = [this] {
        game_.DropElsewhere();
        Render();
    };
    a11y_ = new AccessibleEvents(game_, *keys_, Picture1, Picture3, Picture2);
}

void Form1::OnDragLost() {
    if (!drag_->active()) return;
    game_.DropElsewhere();
    Render();
}

void Form1::ShowMessage(const std::string& text) {
    Render();
    QMessageBox box(QMessageBox::NoIcon, "Torvane", QString::fromStdString(text), QMessageBox::Ok,
                    this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool Form1::AskYesNo(const std::string& text) {
    Render();
    QMessageBox box(QMessageBox::Question, "Torvane", QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

void Form1::PlaySound(int resourceId) {
    sounds_->Play(resourceId);
}

// A piece picked up by keyboard leaves the pointer as it is.
void Form1::BeginDrag(DragArea area, int dragIcon) {
    if (keys_->Picking())
        keys_->TakeHold();
    else
        drag_->Begin(area, dragIcon, Picture1->PieceSize());
}

void Form1::EndDrag() {
    keys_->LetGo();
    drag_->End();
}

// Only the board changes in the middle of a move; the rest is shown when the move is done.
void Form1::RepaintNow() {
    Picture1->repaint();
}

}  // namespace torvane
