#include <gtest/gtest.h>
#include <QCursor>
#include <QGuiApplication>

#include "UiHelpers.h"
#include "X11Mouse.h"
#include "rules/PieceKind.h"

using namespace torvane;

// These run against a real X server (CTest starts them under Xvfb); elsewhere there is nothing
// that could hold the pointer.
class PointerConfinementTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X server";
        f = std::make_unique<ShownForm>();
        f->form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f->form));
        answers = std::make_unique<ModalAnswerer>();
        f->Trigger("sutato");
    }
    // Where the X server has put the pointer after it was told to go to `global`.
    // The warp and the query are requests on one connection, answered in order.
    QPoint WarpTo(QPoint global) {
        QCursor::setPos(global);
        return QCursor::pos();
    }
    QRect BoardOnScreen() {
        QWidget* board = f->form.board();
        return QRect(board->mapToGlobal(QPoint(0, 0)), board->size());
    }
    std::unique_ptr<ShownForm> f;
    std::unique_ptr<ModalAnswerer> answers;
};

TEST_F(PointerConfinementTest, APieceHeldOnTheBoardKeepsThePointerOnTheBoard) {
    // On this screen the window opens larger than the design size.
    EXPECT_GT(f->form.scale(), 1.2);
    QPoint start = f->CellCentre(45);
    QCursor::setPos(f->form.mapToGlobal(start));
    QTest::mousePress(f->window(), Qt::LeftButton, {}, start);
    ASSERT_TRUE(f->form.drag().active());
    QPoint far = f->form.mapToGlobal(QPoint(f->form.width() - 5, 5));
    QPoint at = WarpTo(far);
    EXPECT_TRUE(BoardOnScreen().contains(at)) << at.x() << "," << at.y();

    QTest::mouseRelease(f->window(), Qt::LeftButton, {}, start);
    EXPECT_FALSE(f->form.drag().active());
    at = WarpTo(far);
    EXPECT_EQ(at, far);  // free again after the drop
}

TEST_F(PointerConfinementTest, LosingTheFocusFreesThePointer) {
    QPoint start = f->CellCentre(45);
    QCursor::setPos(f->form.mapToGlobal(start));
    QTest::mousePress(f->window(), Qt::LeftButton, {}, start);
    ASSERT_TRUE(f->form.drag().active());
    QWidget other;
    other.setGeometry(0, 0, 100, 100);
    other.show();
    other.activateWindow();
    QTRY_VERIFY_WITH_TIMEOUT(!f->form.drag().active(), 3000);
    QPoint far = f->form.mapToGlobal(QPoint(f->form.width() - 5, 5));
    EXPECT_EQ(WarpTo(far), far);
    QTest::mouseRelease(f->window(), Qt::LeftButton, {}, start);
    EXPECT_EQ(f->form.game().Squares(), SetupTemplate());
}

TEST_F(PointerConfinementTest, AHandPieceKeepsThePointerInTheMainWindow) {
    Game& game = f->form.game();
    game.ApplySettings(SettingsChoice{.capturedPieces = true});
    PlayState withDog = game.Snapshot();
    withDog.bottomHand[0] = Cell{124, "1", Dog, 157};
    game.Restore(withDog);
    f->form.Render();
    QPoint start = f->SlotCentre(Hand::Image4, 0);
    QCursor::setPos(f->form.mapToGlobal(start));
    QTest::mousePress(f->window(), Qt::LeftButton, {}, start);
    ASSERT_TRUE(f->form.drag().active());
    QRect window(f->form.mapToGlobal(QPoint(0, 0)), f->form.size());
    QPoint outside = window.bottomRight() + QPoint(50, 50);
    QPoint at = WarpTo(outside);
    EXPECT_TRUE(window.contains(at)) << at.x() << "," << at.y();
    EXPECT_FALSE(BoardOnScreen().contains(at));  // the whole window, not only the board
    QTest::mouseRelease(f->window(), Qt::LeftButton, {}, start);
    EXPECT_EQ(WarpTo(outside), outside);
}

// The whole drag with the X server's own mouse events: press, a push against the edge of the
// board, and the release over the target cell.
TEST_F(PointerConfinementTest, ARealMouseMovesAPieceThroughTheGrab) {
    X11Mouse mouse;
    ASSERT_TRUE(mouse.available());
    mouse.MoveTo(f->form.mapToGlobal(f->CellCentre(45)));
    ASSERT_TRUE(
        WaitUntil([&] { return QCursor::pos() == f->form.mapToGlobal(f->CellCentre(45)); }));
    mouse.Press();
    ASSERT_TRUE(WaitUntil([&] { return f->form.drag().active(); }));
    mouse.MoveTo(QPoint(1, 1));
    ASSERT_TRUE(WaitUntil([&] { return BoardOnScreen().contains(QCursor::pos()); }));
    mouse.MoveTo(f->form.mapToGlobal(f->CellCentre(36)));
    mouse.Release();
    ASSERT_TRUE(WaitUntil([&] { return !f->form.drag().active(); }));
    EXPECT_EQ(f->form.game().Squares()[36].Kind, Dog);
    EXPECT_EQ(f->form.game().ToMove(), Side::Gote);
}

TEST_F(PointerConfinementTest, ARealMouseDropsAHandPiece) {
    Game& game = f->form.game();
    game.ApplySettings(SettingsChoice{.capturedPieces = true});
    PlayState withDog = game.Snapshot();
    withDog.bottomHand[0] = Cell{124, "1", Dog, 157};
    game.Restore(withDog);
    f->form.Render();
    X11Mouse mouse;
    ASSERT_TRUE(mouse.available());
    QPoint slot = f->form.mapToGlobal(f->SlotCentre(Hand::Image4, 0));
    mouse.MoveTo(slot);
    ASSERT_TRUE(WaitUntil([&] { return QCursor::pos() == slot; }));
    mouse.Press();
    ASSERT_TRUE(WaitUntil([&] { return f->form.drag().active(); }));
    mouse.MoveTo(f->form.mapToGlobal(f->CellCentre(40)));
    mouse.Release();
    ASSERT_TRUE(WaitUntil([&] { return !f->form.drag().active(); }));
    EXPECT_EQ(game.Squares()[40].Kind, Dog);
    EXPECT_EQ(game.HandSlots(Hand::Image4)[0], BlankCell);
}

// In a window resized to another scale the pointer is held by the board as it is now shown, and
// a drop lands on the cell under the pointer at that scale.
TEST_F(PointerConfinementTest, TheScaledBoardHoldsThePointer) {
    const double scale = f->form.scale() > 1.2 ? 1.0 : 1.25;
    f->ScaleTo(scale);
    ASSERT_NEAR(f->form.board()->width(), 365 * scale, 1);
    X11Mouse mouse;
    ASSERT_TRUE(mouse.available());
    const QPoint from = f->form.mapToGlobal(f->CellCentre(45));
    mouse.MoveTo(from);
    ASSERT_TRUE(WaitUntil([&] { return QCursor::pos() == from; }));
    mouse.Press();
    ASSERT_TRUE(WaitUntil([&] { return f->form.drag().active(); }));
    mouse.MoveTo(f->form.mapToGlobal(QPoint(f->form.width() - 5, f->form.height() - 5)));
    ASSERT_TRUE(WaitUntil([&] { return BoardOnScreen().contains(QCursor::pos()); }));
    EXPECT_GE(QCursor::pos().x(), BoardOnScreen().right() - 1);
    mouse.MoveTo(f->form.mapToGlobal(f->CellCentre(36)));
    mouse.Release();
    ASSERT_TRUE(WaitUntil([&] { return !f->form.drag().active(); }));
    EXPECT_EQ(f->form.game().Squares()[36].Kind, Dog);
}
