#include <gtest/gtest.h>

#include <QToolTip>

#include "NetTestHelpers.h"
#include "app/dialogs/Form4.h"
#include "app/dialogs/Form5.h"

using namespace torvane;

class NetDialogsTest : public ::testing::Test {
protected:
    bool Enabled(const char* item) { return f.form.action(item)->isEnabled(); }
    void Listen(const QString& handle, const QString& port, bool expectOpen) {
        WhenModal<Form5>([=](Form5& d) {
            Type(d, "Text1", handle);
            Type(d, "Text2", port);
            Click(d, "Command1");
            EXPECT_EQ(d.isVisible(), expectOpen);
            if (d.isVisible()) Click(d, "Command2");
        });
        f.Trigger("matu");
    }
    ShownForm f;
    ModalAnswerer answers;
};

TEST_F(NetDialogsTest, AListenPortThatIsNoNumberIsRefused) {
    Listen("P1", "abc", true);
    EXPECT_EQ(answers.texts, std::vector<std::string>{"ポート番号は数字で入力してください。"});
    EXPECT_TRUE(Enabled("suruu") && Enabled("matu") && Enabled("sutato"));
    EXPECT_EQ(TextOf(f.form, "Label7"), "");
    EXPECT_EQ(TextOf(f.form, "Label16"), "");
}

TEST_F(NetDialogsTest, APortInUseIsNamed) {
    QTcpServer other;
    ASSERT_TRUE(other.listen(QHostAddress::Any, 0));
    QString port = QString::number(other.serverPort());
    Listen("P1", port, true);
    EXPECT_EQ(answers.texts,
              std::vector<std::string>{("ポート" + port + "は使用されています。").toStdString()});
    EXPECT_EQ(TextOf(f.form, "Label7"), "ポート" + port + "を監視中...");
    EXPECT_TRUE(Enabled("suruu") && Enabled("matu") && Enabled("sutato"));
    EXPECT_FALSE(Enabled("setudann"));
}

TEST_F(NetDialogsTest, ListeningClosesTheDialogAndLocksTheMenus) {
    ReservedPort port;
    Listen("P1", port.text(), false);
    EXPECT_TRUE(answers.texts.empty());
    EXPECT_FALSE(Enabled("suruu") || Enabled("matu") || Enabled("sutato") || Enabled("setudann"));
    EXPECT_EQ(TextOf(f.form, "Label16"), "P1");
}

TEST_F(NetDialogsTest, TheConnectDialogChecksItsFieldsAndCutsLongHandles) {
    WhenModal<Form4>([](Form4& d) {
        Type(d, "Text1", "abcdefghijkl");
        EXPECT_EQ(d.findChild<QLineEdit*>("Text1")->text(), "abcdefghij");
        Type(d, "Text3", "5000");
        Click(d, "Command1");
        EXPECT_TRUE(d.isVisible());
        Click(d, "Command2");
    });
    f.Trigger("suruu");
    EXPECT_EQ(answers.texts, std::vector<std::string>{"IPアドレスを入力してください"});
    EXPECT_TRUE(Enabled("suruu"));
}

// Nobody listens on the port: the connection fails, and the failure shows in Label7. (The
// refusal can come back before the dialog's click returns, so "接続中..." in between is checked
// in the session's own tests.)
TEST_F(NetDialogsTest, AFailedConnectionIsShownAndTheMenusComeBack) {
    ReservedPort nobodyListens;
    WhenModal<Form4>([&](Form4& d) {
        Type(d, "Text1", "P1");
        Type(d, "Text2", "127.0.0.1");
        Type(d, "Text3", nobodyListens.text());
        Click(d, "Command1");
        EXPECT_FALSE(d.isVisible());
    });
    f.Trigger("suruu");
    ASSERT_TRUE(WaitFor([&] { return Enabled("suruu"); }));
    EXPECT_NE(TextOf(f.form, "Label7"), "接続中...");
    EXPECT_FALSE(TextOf(f.form, "Label7").isEmpty());
    EXPECT_EQ(TextOf(f.form, "Label16"), "");
    EXPECT_FALSE(f.form.game().NetworkMode());
}

// A line typed with no connection is not lost: it stays in the box, and a note beside the box
// says why it was not sent; once the note is read the box still holds it.
TEST_F(NetDialogsTest, ChatWithoutAConnectionKeepsTheLine) {
    auto* box = f.form.findChild<QLineEdit*>("Text1");
    box->setFocus();
    QTest::keyClicks(box, "hello");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text(), "hello");
    EXPECT_EQ(QToolTip::text(), "接続されていないため送信できません");
    EXPECT_EQ(ChatLog(f.form)->toPlainText(), "");
    EXPECT_TRUE(answers.texts.empty());
}
