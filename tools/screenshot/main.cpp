// Draws the picture of the game that the README and the AppStream metadata show: the real main
// window at one and a half times its design size, a few moves into a game at one computer
// played by mouse, with the move list beside it.
//
//   torvane-screenshot OUT.png
#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "app/dialogs/RecordWindow.h"
#include "app/window/Application.h"
#include "app/window/BoardView.h"
#include "app/window/Form1.h"
#include "app/window/PictureDrawer.h"

using namespace torvane;

namespace {

constexpr double kScale = 1.5;
constexpr int kGap = 12;  // between the window and the move list

// Sente's Rat and Dog come forward while Gote answers, as in an opening.
constexpr int kMoves[][2] = {{75, 66}, {35, 44}, {66, 57}, {29, 38}, {77, 68}, {44, 53}};

void Drop(Form1& form, int from, int to) {
    const BoardView* board = form.board();
    const QPoint a = board->mapTo(&form, board->CellRect(from).center());
    const QPoint b = board->mapTo(&form, board->CellRect(to).center());
    QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, a);
    QTest::mouseMove(form.windowHandle(), (a + b) / 2);
    QTest::mouseMove(form.windowHandle(), b);
    QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, {}, b);
}

// The two windows side by side on the window colour.
QImage SideBySide(QWidget& left, QWidget& right) {
    const QPixmap a = left.grab(), b = right.grab();
    const qreal ratio = a.devicePixelRatio();
    QImage out(QSize(int(a.width() + kGap * ratio + b.width()), std::max(a.height(), b.height())),
               QImage::Format_RGB32);
    out.fill(left.palette().window().color());
    QPainter painter(&out);
    painter.drawPixmap(0, 0, a);
    painter.drawPixmap(int(a.width() + kGap * ratio), 0, b);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: torvane-screenshot OUT.png\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareEnvironment();
    QApplication app(argc, argv);
    SetUpApplication(app);
    Form1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;
    form.ResizeToScale(kScale);
    // The boxes a game shows ("先手の番です") are answered as a player answers them.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->accept();
    });
    answer.start(20);
    form.sutato_Click();
    for (const auto& move : kMoves) Drop(form, move[0], move[1]);
    form.kifuhyouji_Click();
    RecordWindow* record = form.recordWindow();
    record->resize(record->width(), form.height());
    if (!QTest::qWaitFor([] { return !PictureDrawer::instance().pending(); })) return 1;
    QTest::qWait(100);  // the last repaints
    if (!SideBySide(form, *record).save(argv[1])) {
        std::fprintf(stderr, "torvane-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
