#include "app/window/Form1.h"

#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>

#include "app/dialogs/Form3.h"
#include "app/dialogs/HelpFile.h"
#include "app/window/Twips.h"

namespace torvane {

namespace {

MouseButton ToButton(Qt::MouseButton button) {
    if (button == Qt::LeftButton) return MouseButton::Left;
    if (button == Qt::RightButton) return MouseButton::Right;
    return MouseButton::Middle;
}

}  // namespace

Form1::Form1() : game_(*this, Socket::LocalIP()) {
    setObjectName("Form1");
    setWindowTitle("Torvane");
    QIcon icon;
    icon.addFile(":/img/icon.png");
    icon.addFile(":/img/icon@2x.png");
    setWindowIcon(icon);
    BuildControls();
    BuildMenus();

    drag_ = new DragController(this, Picture1);
    connect(drag_, &DragController::lost, this, &Form1::OnDragLost);
    Picture1->onPress = [this](int cell, Qt::MouseButton b) { OnBoardPress(cell, b); };
    Picture1->onRelease = [this](QPoint p) { OnRelease(p); };
    for (HandView* h : {Picture2, Picture3}) {
        h->onPress = [this](Hand hand, int slot, Qt::MouseButton b) { OnHandPress(hand, slot, b); };
        h->onRelease = [this](QPoint p) { OnRelease(p); };
    }

    sounds_ = new SoundEffects(this);
    MMControl1 = new MusicPlayer(this);
    MMControl1->setLoopFlag(1);
    helpFile_ = HelpFilePath();
    Timer1.setInterval(1000);
    Timer2.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(&Timer2, &QTimer::timeout, this, &Form1::Timer2_Timer);
    Timer3.setSingleShot(true);
    connect(&Timer3, &QTimer::timeout, this, [this] { Timer3_Timer(pendingTicks_); });

    socket_ = new Socket(this);
    session_ = std::make_unique<NetSession>(game_, *socket_);
    WireNetwork();

    Picture13->LayOut();
    ScheduleTicker();
    Render();
    setFixedSize(sizeHint());
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

Form1::~Form1() {
    drag_->End();
}

void Form1::sutato_Click() {
    CancelComputerMove();
    ClearHint();
    game_.sutato_Click();
    Render();
}

void Form1::opusyonn_Click() {
    Form3 dialog(this, game_.SettingsOnLoad(),
                 [this](SettingsChoice c) { game_.ApplySettings(c); });
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

// The contact lines move 10 twips every 10 ms, less than a pixel; the timer sleeps until the
// next tick that moves them by a whole pixel, so the idle program wakes a few times a second.
void Form1::Timer3_Timer(int ticks) {
    for (int i = 0; i < ticks; ++i) ticker_.Tick();
    Picture13->SetTextTop(ticker_.top());
    ScheduleTicker();
}

void Form1::ScheduleTicker() {
    pendingTicks_ = ticker_.TicksUntilMove(kTwipsPerPixel);
    Timer3.start(10 * pendingTicks_);
}

void Form1::OnBoardPress(int cell, Qt::MouseButton button) {
    if (drag_->active()) return;
    ClearHint();
    game_.BoardPickUp(cell, ToButton(button));
    Render();
}

void Form1::OnHandPress(Hand hand, int slot, Qt::MouseButton button) {
    if (drag_->active()) return;
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
    AskComputer();
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

void Form1::BeginDrag(DragArea area, int dragIcon) {
    drag_->Begin(area, dragIcon);
}

void Form1::EndDrag() {
    drag_->End();
}

// Only the board changes in the middle of a move; the rest is shown when the move is done.
void Form1::RepaintNow() {
    Picture1->repaint();
}

}  // namespace torvane
