#include <gtest/gtest.h>
#include <QEventLoop>

#include "UiHelpers.h"
#include "rules/PieceKind.h"

using namespace torvane;

namespace {

// True while no one has told the application to leave its event loop: an event loop started
// now runs until it is itself stopped.
bool EventLoopsStillRun() {
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&loop] { loop.exit(7); });
    return loop.exec() == 7;
}

class ExitTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.Trigger("sutato");
        f.DragCell(45, 36);
        for (int i = 0; i < 5; ++i) f.form.Timer2_Timer();
        answers.texts.clear();
        answers.answers = {false};
    }
    // The game and the window as they stood before the question.
    void ExpectUnchanged() {
        const Game& game = f.form.game();
        EXPECT_TRUE(f.form.isVisible());
        EXPECT_EQ(game.Squares()[36].Kind, Dog);
        EXPECT_EQ(game.ToMove(), Side::Gote);
        EXPECT_TRUE(game.View().Picture1);
        EXPECT_TRUE(game.View().Timer2);
        EXPECT_EQ(f.form.findChild<QLabel*>("Label3")->text(), "00:00:05");
        EXPECT_TRUE(f.form.action("touryou")->isEnabled());
        EXPECT_TRUE(EventLoopsStillRun());
        f.DragCell(27, 28);  // the game goes on: Gote moves
        EXPECT_EQ(game.Squares()[28].Kind, Dog);
    }
    ShownForm f;
    ModalAnswerer answers;
};

}  // namespace

TEST_F(ExitTest, NoToTheCloseBoxKeepsTheWindowOpenWithItsGame) {
    EXPECT_FALSE(f.window()->close());
    EXPECT_EQ(answers.texts, std::vector<std::string>{"終了しますか?"});
    ExpectUnchanged();
}

TEST_F(ExitTest, NoToTheExitCommandKeepsTheProgramRunning) {
    f.Trigger("apuri");
    EXPECT_EQ(answers.texts, std::vector<std::string>{"終了しますか?"});
    ExpectUnchanged();
}

// Yes ends the program's event loop at once with success, from the menu and from the close
// box alike. Run in a child process of its own, as the program runs: its main loop ends.
TEST(ExitYes, EndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (bool closeBox : {false, true}) {
        EXPECT_EXIT(
            {
                ShownForm f;
                ModalAnswerer answers;
                QTimer::singleShot(0, [&] {
                    if (closeBox)
                        f.window()->close();
                    else
                        f.Trigger("apuri");
                });
                QTimer::singleShot(20000, [] { QCoreApplication::exit(3); });  // a deadline
                const int code = QApplication::exec();
                const bool asked = answers.texts == std::vector<std::string>{"終了しますか?"};
                std::_Exit(code == 0 && asked ? 0 : 1);
            },
            testing::ExitedWithCode(0), "")
            << (closeBox ? "close box" : "menu");
    }
}
