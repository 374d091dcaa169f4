#include <gtest/gtest.h>
#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>

#include "ModalDialog.h"
#include "UiHelpers.h"
#include "WindowPictures.h"
#include "app/dialogs/Form3.h"
#include "rules/PieceKind.h"

using namespace torvane;

namespace {

// Opens the settings, sets the boxes as given, and presses OK, through the dialog's widgets.
void SetOptions(ShownForm& f, std::map<std::string, bool> boxes) {
    WhenModal<Form3>([boxes](Form3& dialog) {
        for (const auto& [name, on] : boxes) {
            auto* box = dialog.findChild<QCheckBox*>(QString::fromStdString(name));
            if (box->isChecked() != on) QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 8));
        }
        QTest::mouseClick(dialog.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    });
    f.Trigger("opusyonn");
}

}  // namespace

// The games by mouse at the design size and in a window half as large again.
class Form1GameAtScale : public ::testing::TestWithParam<double> {
protected:
    void SetUp() override {
        if (GetParam() != 1.0) f.ScaleTo(GetParam());
    }
    ShownForm f;
};

INSTANTIATE_TEST_SUITE_P(Scales, Form1GameAtScale, ::testing::Values(1.0, 1.5));

// Sente's Rat walks up the d-file while Gote shuffles a Dog, and takes the Elephant. The first
// pick shows the ghosts of the Rat's range, drawn at the window's scale.
TEST_P(Form1GameAtScale, AWholeGameByMouseToTheLossOfAnElephant) {
    ModalAnswerer answers;
    QSignalSpy sounds(&f.form.sounds(), &SoundEffects::played);
    f.Trigger("sutato");
    QTest::mousePress(f.window(), Qt::LeftButton, {}, f.CellCentre(75));
    const QImage picked = Snapshot(f.form, "picked");
    const int ghost = f.form.game().Squares()[66].Picture;
    QTest::mouseRelease(f.window(), Qt::LeftButton, {}, f.CellCentre(75));
    ASSERT_NE(ghost, 0);
    const BoardView* board = f.form.board();
    const QPoint origin = board->mapTo(&f.form, QPoint());
    const int ghosts =
        MatchingPixels(picked, origin + board->CellPicturePos(66), ghost, board->PieceSize());
    EXPECT_EQ(board->PieceSize(), std::lround(32 * GetParam()));
    EXPECT_GT(ghosts, 200 * GetParam() * GetParam());
    const int sente[] = {75, 66, 57, 48, 39, 30, 21, 12, 4};
    for (int i = 0; i + 1 < 9; ++i) {
        f.DragCell(sente[i], sente[i + 1]);
        ASSERT_EQ(f.form.game().Squares()[sente[i + 1]].Kind, Rat) << i;
        if (i + 1 == 8) break;
        f.DragCell(i % 2 ? 44 : 35, i % 2 ? 35 : 44);
        ASSERT_EQ(f.form.game().ToMove(), Side::Sente) << i;
    }
    EXPECT_EQ(answers.texts,
              (std::vector<std::string>{"先手の番です", "象手です", "後手の負けです"}));
    EXPECT_EQ(sounds.count(), 15);
    EXPECT_EQ(sounds.first().first().toInt(), 101);
    const Game& game = f.form.game();
    EXPECT_EQ(game.HandSlots(Hand::Image4)[0], (Cell{128, "1", Elephant, 161}));
    EXPECT_FALSE(game.View().Picture1);
    EXPECT_FALSE(f.form.action("touryou")->isEnabled());
    // The board is locked: nothing can be picked up any more.
    QTest::mousePress(f.window(), Qt::LeftButton, {}, f.CellCentre(45));
    EXPECT_FALSE(f.form.drag().active());
    QTest::mouseRelease(f.window(), Qt::LeftButton, {}, f.CellCentre(36));
}

TEST(Form1Game, TheSettingsDialogSwitchesTheRangeDisplayAndTheSound) {
    ShownForm f;
    ModalAnswerer answers;
    f.Trigger("sutato");
    SetOptions(f, {{"Check1", false}, {"Check2", false}});
    EXPECT_FALSE(f.form.game().SettingsOnLoad().sound);
    EXPECT_FALSE(f.form.game().SettingsOnLoad().rangeDisplay);
    BoardCells before = f.form.game().Squares();
    QTest::mousePress(f.window(), Qt::LeftButton, {}, f.CellCentre(76));
    EXPECT_EQ(f.form.game().Squares(), before);
    QTest::mouseRelease(f.window(), Qt::LeftButton, {}, f.CellCentre(76));
}

TEST(Form1Game, CancelChangesNothing) {
    ShownForm f;
    WhenModal<Form3>([](Form3& dialog) {
        QTest::mouseClick(dialog.findChild<QCheckBox*>("Check1"), Qt::LeftButton, {}, {8, 8});
        QTest::mouseClick(dialog.findChild<QCheckBox*>("Check4"), Qt::LeftButton, {}, {8, 8});
        QTest::mouseClick(dialog.findChild<QPushButton*>("Command2"), Qt::LeftButton);
    });
    f.Trigger("opusyonn");
    EXPECT_EQ(f.form.game().SettingsOnLoad(), SettingsChoice{});
    EXPECT_FALSE(f.form.hand(Hand::Image4)->isEnabled());
}

// With captured pieces in use, a taken piece is dragged from the hand onto an empty cell.
TEST_P(Form1GameAtScale, AHandPieceIsDroppedByMouse) {
    ModalAnswerer answers;
    f.Trigger("sutato");
    SetOptions(f, {{"Check4", true}});
    ASSERT_TRUE(f.form.hand(Hand::Image4)->isEnabled());
    f.DragCell(45, 36);
    f.DragCell(27, 36);  // Gote's Dog takes into the top hand
    f.DragCell(47, 38);
    const Game& game = f.form.game();
    ASSERT_EQ(game.HandSlots(Hand::Image5)[0], (Cell{189, "2", Dog, 180}));
    BoardCells before = game.Squares();

    // Released over the chat log or on an occupied cell, the piece stays in its hand.
    QPoint chat = f.form.findChild<QWidget*>("Text100")->mapTo(&f.form, QPoint(30, 30));
    f.Drag(f.SlotCentre(Hand::Image5, 0), chat);
    f.Drag(f.SlotCentre(Hand::Image5, 0), f.CellCentre(38));
    EXPECT_EQ(game.Squares(), before);
    EXPECT_EQ(game.HandSlots(Hand::Image5)[0].Kind, Dog);
    EXPECT_EQ(game.ToMove(), Side::Gote);
    EXPECT_FALSE(f.form.drag().active());

    // Gote drops it on an empty cell deep in Sente's half.
    f.Drag(f.SlotCentre(Hand::Image5, 0), f.CellCentre(58));
    EXPECT_EQ(game.Squares()[58], (Cell{189, "2", Dog, 180}));
    EXPECT_EQ(game.HandSlots(Hand::Image5)[0], BlankCell);
    EXPECT_EQ(game.ToMove(), Side::Sente);
    // Sente may not touch Gote's hand, nor the empty one.
    QTest::mousePress(f.window(), Qt::LeftButton, {}, f.SlotCentre(Hand::Image4, 0));
    EXPECT_FALSE(f.form.drag().active());
    QTest::mouseRelease(f.window(), Qt::LeftButton, {}, f.SlotCentre(Hand::Image4, 0));
}

TEST(Form1Game, TheRunningClockTicksInItsLabelAndLosesOnTime) {
    ShownForm f;
    ModalAnswerer answers;
    f.Trigger("sutato");
    auto* label1 = f.form.findChild<QLabel*>("Label1");
    for (int i = 0; i < 75; ++i) f.form.Timer1_Timer();
    EXPECT_EQ(label1->text(), "00:01:15");
    for (int i = 75; i < 181; ++i) f.form.Timer1_Timer();
    EXPECT_EQ(answers.texts.back(), "先手の負けです");
    EXPECT_EQ(label1->text(), "00:03:00");
    EXPECT_FALSE(f.form.action("touryou")->isEnabled());
    QTest::mousePress(f.window(), Qt::LeftButton, {}, f.CellCentre(45));
    EXPECT_FALSE(f.form.drag().active());
    QTest::mouseRelease(f.window(), Qt::LeftButton, {}, f.CellCentre(36));
}

// The ticker's timer, fired as the event loop fires it, over a whole round of the contact
// lines at each scale: every wake shows the text where the core's ticker, ticked every 10 ms
// for the same time, has it; every wake moves the text; no wake comes sooner than a frame of
// the screen; away from its rests the text moves in even steps of 30 twips' worth of pixels.
TEST_P(Form1GameAtScale, TheTickerWakesOnlyToMoveTheTextAtItsOwnSpeed) {
    auto* timer = f.form.findChild<QTimer*>("Timer3");
    const auto* box = f.form.findChild<ContactBox*>("Picture13");
    const QWidget* text = f.form.findChild<QWidget*>("Picture14");
    ASSERT_TRUE(timer && box && text);
    ContactTicker reference = f.form.ticker();
    const int frameMs = static_cast<int>(1000 / f.form.screen()->refreshRate());
    int ticks = 0;
    int lastRow = text->y();
    int lastTop = reference.top();
    int evenSteps = 0;
    while (ticks < 400) {
        ASSERT_TRUE(timer->isActive());
        const int interval = timer->interval();
        ASSERT_EQ(interval % 10, 0);
        EXPECT_GE(interval, frameMs);
        for (int i = 0; i < interval / 10; ++i) reference.Tick();
        ticks += interval / 10;
        QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
        ASSERT_EQ(text->y(), box->RowOf(reference.top())) << "after " << ticks << " ticks";
        EXPECT_NE(text->y(), lastRow) << "a wake that moved nothing, after " << ticks << " ticks";
        if (reference.top() - lastTop == 30) {
            EXPECT_EQ(text->y() - lastRow, 2 * GetParam()) << "after " << ticks << " ticks";
            ++evenSteps;
        }
        lastTop = reference.top();
        lastRow = text->y();
    }
    EXPECT_GT(evenSteps, 50);
}

TEST(Form1Game, TheContactLinesScrollRestAndStartAgain) {
    ShownForm f;
    QWidget* text = f.form.findChild<QWidget*>("Picture14");
    ASSERT_NE(text, nullptr);
    // The ticker has been running since the window opened: bring it round to its start.
    while (f.form.ticker().top() != 0) f.form.Timer3_Timer(1);
    EXPECT_EQ(text->y(), 0);
    f.form.Timer3_Timer(26);
    EXPECT_EQ(text->y(), 17);  // 260 twips
    f.form.Timer3_Timer(99);
    EXPECT_EQ(text->y(), 17);
    f.form.Timer3_Timer(1);
    EXPECT_EQ(text->y(), 18);
    f.form.Timer3_Timer(143);  // 1700 twips: the text has left the box
    EXPECT_EQ(text->y(), 113);
    f.form.Timer3_Timer(1);
    EXPECT_EQ(text->y(), 0);
}
