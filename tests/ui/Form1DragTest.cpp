#include <gtest/gtest.h>

#include "UiHelpers.h"
#include "rules/PieceKind.h"

using namespace torvane;

class Form1DragTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.Trigger("sutato");
        answers.texts.clear();
    }
    Game& game() { return f.form.game(); }
    ShownForm f;
    ModalAnswerer answers;
};

TEST_F(Form1DragTest, PressShowsGhostsAndTheHeldPointer) {
    QTest::mousePress(f.window(), Qt::LeftButton, {}, f.CellCentre(76));
    EXPECT_TRUE(f.form.drag().active());
    EXPECT_EQ(game().Squares()[66].Picture, 106);
    EXPECT_EQ(game().Squares()[68].Picture, 106);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(QApplication::overrideCursor()->pixmap().isNull());
    QTest::mouseRelease(f.window(), Qt::LeftButton, {}, f.CellCentre(76));
    EXPECT_FALSE(f.form.drag().active());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(game().Squares(), SetupTemplate());
}

TEST_F(Form1DragTest, ADragMovesThePieceAndPassesTheTurn) {
    f.DragCell(45, 36);
    EXPECT_EQ(game().Squares()[36].Kind, Dog);
    EXPECT_EQ(game().Squares()[45], BlankCell);
    EXPECT_EQ(game().ToMove(), Side::Gote);
    EXPECT_EQ(f.form.findChild<QLabel*>("Label4")->palette().color(QPalette::Window),
              QColor(0, 255, 0));
}

TEST_F(Form1DragTest, ReleaseOverAnotherControlOnlyEndsTheDrag) {
    QPoint chat = f.form.findChild<QWidget*>("Text100")->mapTo(&f.form, QPoint(20, 20));
    QTest::mousePress(f.window(), Qt::LeftButton, {}, f.CellCentre(45));
    QTest::mouseMove(f.window(), chat);
    QTest::mouseRelease(f.window(), Qt::LeftButton, {}, chat);
    // The pointer cannot leave the board: pushed towards the chat log it stops on the board's
    // margin beyond the grid, which is the board box itself, so the drag just ends.
    EXPECT_FALSE(f.form.drag().active());
    EXPECT_EQ(game().Squares(), SetupTemplate());
    EXPECT_EQ(game().ToMove(), Side::Sente);
}

TEST_F(Form1DragTest, LosingTheWindowEndsTheDragAsADropElsewhere) {
    QTest::mousePress(f.window(), Qt::LeftButton, {}, f.CellCentre(76));
    ASSERT_TRUE(f.form.drag().active());
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&f.form, &deactivate);
    EXPECT_FALSE(f.form.drag().active());
    EXPECT_EQ(game().Squares(), SetupTemplate());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QTest::mouseRelease(f.window(), Qt::LeftButton, {}, f.CellCentre(66));
    EXPECT_EQ(game().Squares(), SetupTemplate());
}

TEST_F(Form1DragTest, TheSideNotToMoveCannotPickUp) {
    QTest::mousePress(f.window(), Qt::LeftButton, {}, f.CellCentre(27));
    EXPECT_FALSE(f.form.drag().active());
    QTest::mouseRelease(f.window(), Qt::LeftButton, {}, f.CellCentre(36));
    EXPECT_EQ(game().Squares(), SetupTemplate());
}
