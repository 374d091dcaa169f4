#include <gtest/gtest.h>

#include "UiHelpers.h"
#include "rules/PieceKind.h"

using namespace torvane;

namespace {

class ShellResignTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.Trigger("sutato");
        answers.texts.clear();
    }
    QString LabelText(const char* name) { return f.form.findChild<QLabel*>(name)->text(); }
    ShownForm f;
    ModalAnswerer answers;
};

}  // namespace

// Through the menu, as the player resigns: the question, the loss of the side to move, its
// clock back at zero and stopped, the board locked.
TEST_F(ShellResignTest, TheSideToMoveResignsFromTheMenu) {
    for (bool goteToMove : {false, true}) {
        f.Trigger("sutato");
        if (goteToMove) f.DragCell(45, 36);
        for (int i = 0; i < 7; ++i) goteToMove ? f.form.Timer2_Timer() : f.form.Timer1_Timer();
        answers.texts.clear();
        f.Trigger("touryou");
        const std::vector<std::string> expected = {
            "投了しますか?", goteToMove ? "後手の負けです。" : "先手の負けです。"};
        EXPECT_EQ(answers.texts, expected);
        EXPECT_EQ(LabelText(goteToMove ? "Label3" : "Label1"), "00:00:00");
        EXPECT_FALSE(f.form.game().View().Timer1);
        EXPECT_FALSE(f.form.game().View().Timer2);
        EXPECT_FALSE(f.form.action("touryou")->isEnabled());

        const BoardCells before = f.form.game().Squares();
        f.DragCell(goteToMove ? 27 : 46, goteToMove ? 28 : 37);
        EXPECT_EQ(f.form.game().Squares(), before) << "the board was not locked";
    }
}

TEST_F(ShellResignTest, NoKeepsTheGameGoing) {
    f.form.Timer1_Timer();
    answers.answers = {false};
    f.Trigger("touryou");
    EXPECT_EQ(answers.texts, std::vector<std::string>{"投了しますか?"});
    EXPECT_EQ(LabelText("Label1"), "00:00:01");
    EXPECT_TRUE(f.form.action("touryou")->isEnabled());
    f.DragCell(45, 36);
    EXPECT_EQ(f.form.game().Squares()[36].Kind, Dog);
}
