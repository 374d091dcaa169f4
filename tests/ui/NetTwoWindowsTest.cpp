#include <gtest/gtest.h>

#include <QPushButton>
#include <QSignalSpy>

#include "NetTestHelpers.h"
#include "app/analysis/RecordAnalyser.h"
#include "app/analysis/StudySession.h"
#include "app/dialogs/Form4.h"
#include "app/dialogs/Form5.h"
#include "app/dialogs/Form7.h"
#include "app/dialogs/RecordWindow.h"
#include "rules/PieceKind.h"

using namespace torvane;

// Two main windows in one process, joined over TCP on 127.0.0.1: `a` waits as "A", `b`
// connects as "B", both through their dialogs.
class NetTwoWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QString port = port_.text();
        WhenModal<Form5>([=](Form5& d) {
            Type(d, "Text1", "A");
            Type(d, "Text2", port);
            Click(d, "Command1");
        });
        a.Trigger("matu");
        WhenModal<Form4>([=](Form4& d) {
            Type(d, "Text1", "B");
            Type(d, "Text2", "127.0.0.1");
            Type(d, "Text3", port);
            Click(d, "Command1");
        });
        b.Trigger("suruu");
        ASSERT_TRUE(WaitFor([&] { return TextOf(a.form, "Label15") == "B"; }));
        ASSERT_TRUE(WaitFor([&] { return TextOf(b.form, "Label15") == "A"; }));
    }
    void Offer(bool sente) {
        WhenModal<Form7>([=](Form7& d) {
            if (!sente) Click(d, "Option2");
            Click(d, "Command2");
        });
        a.Trigger("kopyuuta");
    }
    // A drag on `mover`'s window, then the wait until the other window shows it.
    void Move(ShownForm& mover, ShownForm& other, int from, int to) {
        int answered = int(answers.texts.size());
        mover.DragCell(from, to);
        ASSERT_FALSE(mover.form.game().View().Picture1);
        ASSERT_TRUE(WaitFor([&] {
            return other.form.game().View().Picture1 || int(answers.texts.size()) > answered + 1;
        }));
    }
    void Chat(ShownForm& from, const QString& line) {
        auto* box = from.form.findChild<QLineEdit*>("Text1");
        Type(box, line);
        QTest::keyClick(box, Qt::Key_Return);
    }
    ReservedPort port_;
    ShownForm a, b;
    ModalAnswerer answers;
};

TEST_F(NetTwoWindowsTest, ConnectingShowsBothEnds) {
    EXPECT_EQ(TextOf(a.form, "Label7"), "接続されました");
    EXPECT_EQ(TextOf(b.form, "Label7"), "接続できました");
    EXPECT_TRUE(a.form.action("kopyuuta")->isEnabled());
    EXPECT_FALSE(b.form.action("kopyuuta")->isEnabled());
    EXPECT_TRUE(ChatLog(a.form)->isEnabled() && ChatLog(b.form)->isEnabled());
}

TEST_F(NetTwoWindowsTest, AWholeGamePlayedByDrags) {
    Offer(true);
    ASSERT_TRUE(WaitFor([&] { return a.form.game().View().Picture1; }));
    EXPECT_EQ(answers.texts, std::vector<std::string>{"貴方が後手でよろしいですか?"});
    EXPECT_EQ(TextOf(a.form, "Label8"), "あなたの番です");
    EXPECT_EQ(TextOf(b.form, "Label8"), "相手の番です");
    EXPECT_EQ(TextOf(b.form, "Label2"), "後手");

    const int rat[] = {75, 66, 57, 48, 39, 30, 21, 12, 4};
    for (int i = 0; i < 8; ++i) {
        Move(a, b, rat[i], rat[i + 1]);
        if (i < 7) Move(b, a, i % 2 ? 36 : 45, i % 2 ? 45 : 36);
    }
    ASSERT_TRUE(WaitFor([&] { return answers.texts.size() == 4; }));
    EXPECT_EQ(answers.texts[1], "象手です");
    std::vector<std::string> endings(answers.texts.begin() + 2, answers.texts.end());
    std::sort(endings.begin(), endings.end());
    EXPECT_EQ(endings, (std::vector<std::string>{"あなたの勝ちです", "あなたの負けです"}));
    EXPECT_EQ(b.form.game().Squares()[76].Kind, Rat);
    EXPECT_TRUE(a.form.action("kopyuuta")->isEnabled());
    EXPECT_FALSE(b.form.action("kopyuuta")->isEnabled());
    EXPECT_FALSE(a.form.game().View().Picture1 || b.form.game().View().Picture1);
}

TEST_F(NetTwoWindowsTest, ARefusedGoteOfferAndACancelledOne) {
    answers.answers = {false};
    Offer(false);
    ASSERT_TRUE(WaitFor([&] { return a.form.action("kopyuuta")->isEnabled(); }));
    EXPECT_EQ(answers.texts,
              (std::vector<std::string>{"貴方が先手でよろしいですか?", "対局を拒否されました"}));
    WhenModal<Form7>([](Form7& d) { Click(d, "Command1"); });
    a.Trigger("kopyuuta");
    EXPECT_TRUE(a.form.action("kopyuuta")->isEnabled());
    Offer(false);
    ASSERT_TRUE(WaitFor([&] { return a.form.game().LocalSide() == Side::Gote; }));
    EXPECT_TRUE(b.form.game().View().Picture1);
}

// The peer leaving while the offer's dialog is open closes it: its OK could no longer do anything.
TEST_F(NetTwoWindowsTest, TheOfferDialogClosesWhenThePeerLeaves) {
    bool closedByItself = false;
    WhenModal<Form7>([&](Form7& d) {
        b.Trigger("setudann");
        closedByItself = WaitFor([&] { return !d.isVisible(); });
        if (!closedByItself) Click(d, "Command1");
    });
    a.Trigger("kopyuuta");
    EXPECT_TRUE(closedByItself);
    EXPECT_EQ(TextOf(a.form, "Label7"), "切断されました");
}

// Each line is typed after the last one arrived, as people do: a text has no end mark, so two
// lines written within the quiet period would arrive as one.
TEST_F(NetTwoWindowsTest, ChatLinesInBothDirections) {
    QString expected;
    for (auto [from, line] : {std::pair{&b, "hello"}, {&a, "こんにちは"}, {&b, "よろしく"}}) {
        Chat(*from, QString::fromUtf8(line));
        expected += (from == &a ? "A>>" : "B>>") + QString::fromUtf8(line) + "\n";
        ASSERT_TRUE(WaitFor([&] {
            return ChatLog(a.form)->toPlainText() == expected &&
                   ChatLog(b.form)->toPlainText() == expected;
        })) << ChatLog(a.form)->toPlainText().toStdString();
    }
    EXPECT_TRUE(b.form.findChild<QLineEdit*>("Text1")->text().isEmpty());
}

// Long lines, pasted, until the log overflows its byte budget: both windows drop their oldest
// lines as their models do and show the same text.
TEST_F(NetTwoWindowsTest, ALongConversationKeepsTheNewestTextInBothLogs) {
    const int lines = int(NetSession::kMaxChatBytes / 4000) + 5;
    for (int i = 0; i < lines; ++i) {
        auto* box = b.form.findChild<QLineEdit*>("Text1");
        box->setText(QString::number(i) + QString(3990, 'x'));
        QTest::keyClick(box, Qt::Key_Return);
        ASSERT_TRUE(WaitFor(
            [&] { return a.form.session().View().Text100Appended == std::uint64_t(i + 1); }));
    }
    for (ShownForm* side : {&a, &b}) {
        const ConnectionControls& ui = side->form.session().View();
        EXPECT_LT(ui.Text100Lines, std::size_t(lines));
        EXPECT_LE(ui.Text100.size(), NetSession::kMaxChatBytes);
        EXPECT_EQ(ChatLog(side->form)->toPlainText().toStdString(), ui.Text100);
    }
}

TEST_F(NetTwoWindowsTest, DisconnectingTellsThePeer) {
    Chat(a, "bye");
    ASSERT_TRUE(WaitFor([&] { return !ChatLog(b.form)->toPlainText().isEmpty(); }));
    a.Trigger("setudann");
    EXPECT_EQ(TextOf(a.form, "Label7"), "切断しました");
    EXPECT_TRUE(a.form.action("sutato")->isEnabled());
    ASSERT_TRUE(WaitFor([&] { return TextOf(b.form, "Label7") == "切断されました"; }));
    EXPECT_TRUE(ChatLog(b.form)->toPlainText().isEmpty());
    EXPECT_FALSE(ChatLog(b.form)->isEnabled());
    EXPECT_TRUE(b.form.action("suruu")->isEnabled());
    EXPECT_FALSE(b.form.action("sutato")->isEnabled());
    EXPECT_EQ(TextOf(b.form, "Label15"), "");
}

// The study and the analysis leave a running network game alone: the game stops the study and
// neither can start on either side until the game is over; then its record may be analysed.
TEST_F(NetTwoWindowsTest, StudyAndAnalysisWaitForTheEndOfTheGame) {
    qputenv("TORVANE_ENGINE", TORVANE_ENGINE_BINARY);
    a.Trigger("kifuhyouji");
    RecordWindow& record = *a.form.recordWindow();
    auto* study = record.findChild<QPushButton*>("study");
    QTest::mouseClick(study, Qt::LeftButton);
    ASSERT_TRUE(record.study().Thinking());

    Offer(true);
    ASSERT_TRUE(WaitFor([&] { return a.form.game().NetworkGameRuns(); }));
    EXPECT_FALSE(record.study().Thinking());
    EXPECT_FALSE(study->isEnabled());
    for (ShownForm* side : {&a, &b}) EXPECT_FALSE(side->form.action("kaiseki")->isEnabled());
    a.Trigger("kaiseki");
    EXPECT_FALSE(record.analyser().Running());
    Move(a, b, 75, 66);
    Move(b, a, 45, 36);

    answers.answers = {true};
    a.Trigger("touryou");
    ASSERT_TRUE(WaitFor([&] { return !b.form.game().NetworkGameRuns(); }));
    EXPECT_TRUE(a.form.action("kaiseki")->isEnabled() && b.form.action("kaiseki")->isEnabled());
    const BoardCells board = a.form.game().Squares();
    record.analyser().SetLimits({2, 1000});
    QSignalSpy finished(&record.analyser(), &RecordAnalyser::finished);
    a.Trigger("kaiseki");
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_EQ(record.Analysis().size(), 3u);
    EXPECT_EQ(a.form.game().Squares(), board);
    qunsetenv("TORVANE_ENGINE");
}
