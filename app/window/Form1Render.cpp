#include <QAction>
#include <QApplication>

#include "app/window/AccessibleEvents.h"
#include "app/window/Form1.h"

namespace torvane {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// Colours are held as the controls hold them: 0xBBGGRR, or the standard control colour.
QColor ToQColor(Colour c) {
    if (c == kButtonFace) return QApplication::palette().color(QPalette::Button);
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// A palette change restyles the widget, so it is made only when the colour really changes.
void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    if (widget->palette().color(role) == colour) return;
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// A clock in the last 30 seconds of the time limit turns red.
QColor ClockColour(bool warning) {
    return warning ? QColor(210, 0, 0) : QApplication::palette().color(QPalette::WindowText);
}

void SyncTimer(QTimer& timer, bool enabled) {
    if (enabled && !timer.isActive()) timer.start();
    if (!enabled) timer.stop();
}

}  // namespace

void Form1::RenderMarker(QLabel* label, const std::string& text, Colour back) {
    label->setText(Q(text));
    SetColour(label, QPalette::Window, ToQColor(back));
}

void Form1::Render() {
    const Controls& ui = game_.View();
    const ConnectionControls& link = session_->View();
    Label1->setText(Q(ui.Label1));
    Label3->setText(Q(ui.Label3));
    SetColour(Label1, QPalette::WindowText, ClockColour(game_.ClockWarning(true)));
    SetColour(Label3, QPalette::WindowText, ClockColour(game_.ClockWarning(false)));
    RenderMarker(Label2, ui.Label2, ui.Label2Back);
    RenderMarker(Label4, ui.Label4, ui.Label4Back);
    Label7->setText(Q(link.Label7));
    Label8->setText(Q(ui.Label8));
    SetColour(Label8, QPalette::WindowText, ToQColor(ui.Label8Fore));
    Label14->setText(Q(ui.Label14));
    Label15->setText(Q(link.Label15));
    Label16->setText(Q(link.Label16));
    RenderChatLog();
    Text100->setEnabled(link.Text100Enabled);

    SyncTimer(Timer1, ui.Timer1);
    SyncTimer(Timer2, ui.Timer2);
    SyncTimer(peerGrace_, ui.PeerOverdue);
    const std::pair<const char*, bool> items[] = {
        {"touryou", ui.touryou}, {"kopyuuta", ui.kopyuuta}, {"setudann", link.setudann},
        {"suruu", ui.suruu},     {"matu", ui.matu},         {"sutato", ui.sutato},
    };
    for (const auto& [name, enabled] : items) actions_.value(name)->setEnabled(enabled);
    // An offer needs `kopyuuta` and a connection (which `setudann` is enabled with). Once the
    // connection is gone or a game has begun, the offer's dialog closes rather than wait for an
    // OK that could do nothing; `Label7` and the board say what happened.
    if (offerDialog_ && !(ui.kopyuuta && link.setudann)) offerDialog_->reject();
    // A game against the computer and network play exclude each other.
    actions_.value("konpyuta")->setEnabled(ui.sutato && !game_.NetworkMode());
    // A hint is for a player who may move now, at one computer or against the computer.
    actions_.value("hinto")->setEnabled(game_.BoardOpen() && !game_.NetworkMode());

    RenderRecord();
    Picture2->setEnabled(ui.Picture2);
    Picture3->setEnabled(ui.Picture3);
    Picture1->update();
    RenderPlaces();
}

// The hands with their counts, and what assistive tools are told of the board and the hands.
void Form1::RenderPlaces() {
    Picture2->Refresh();
    Picture3->Refresh();
    a11y_->Update();
}

// The log only grows at its end, loses lines at its start, or empties: only the lines appended
// since the last render are added to the text box, and as many of its oldest lines go as the
// model has dropped, so both hold the same lines.
void Form1::RenderChatLog() {
    const ConnectionControls& ui = session_->View();
    if (shownCleared_ != ui.Text100Cleared) {
        Text100->clear();
        shownCleared_ = ui.Text100Cleared;
    }
    if (shownAppended_ == ui.Text100Appended) return;
    std::uint64_t newLines = ui.Text100Appended - shownAppended_;
    shownAppended_ = ui.Text100Appended;
    std::size_t start = ui.Text100.size();
    for (; newLines > 0 && start > 0; --newLines) {
        std::size_t end = start >= 2 ? ui.Text100.rfind('\n', start - 2) : std::string::npos;
        start = end == std::string::npos ? 0 : end + 1;
    }
    QTextCursor cursor(Text100->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(Q(ui.Text100.substr(start)));
    DropOldestChatLines(int(ui.Text100Lines));
    Text100->moveCursor(QTextCursor::End);
}

// The text box ends in an empty block after the last line break.
void Form1::DropOldestChatLines(int keptLines) {
    const int surplus = Text100->document()->blockCount() - 1 - keptLines;
    if (surplus <= 0) return;
    QTextCursor cursor(Text100->document());
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, surplus);
    cursor.removeSelectedText();
}

}  // namespace torvane
