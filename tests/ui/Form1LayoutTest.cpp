#include <gtest/gtest.h>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <cmath>

#include "ModalDialog.h"
#include "UiHelpers.h"
#include "WindowPictures.h"
#include "app/dialogs/Form2.h"

using namespace torvane;

namespace {

QStringList Captions(QMenu* menu) {
    QStringList captions;
    for (QAction* a : menu->actions())
        captions << (a->isSeparator() ? "-" + a->objectName() : a->objectName() + "=" + a->text());
    return captions;
}

}  // namespace

// The window at 1x (the design size, exactly), 1.5x and 2x: every control where the design
// puts it, scaled, within a pixel; the fonts grow with it.
class Form1LayoutAtScale : public ::testing::TestWithParam<double> {};

TEST_P(Form1LayoutAtScale, WindowCaptionSizeAndPanels) {
    const double scale = GetParam();
    ShownForm f;
    if (scale != 1.0) f.ScaleTo(scale);
    auto scaled = [scale](QRect r) {
        auto px = [scale](int v) { return static_cast<int>(std::lround(v * scale)); };
        return QRect(px(r.x()), px(r.y()), px(r.width()), px(r.height()));
    };
    auto near = [](QRect a, QRect b) {
        return std::abs(a.x() - b.x()) <= 1 && std::abs(a.y() - b.y()) <= 1 &&
               std::abs(a.width() - b.width()) <= 1 && std::abs(a.height() - b.height()) <= 1;
    };
    EXPECT_EQ(f.form.windowTitle(), "Torvane");
    EXPECT_TRUE(
        near(QRect(QPoint(), f.form.centralWidget()->size()), scaled(QRect(0, 0, 733, 477))));
    struct Expected {
        const char* name;
        QRect rect;
    };
    const Expected controls[] = {
        {"Picture2", QRect(2, 8, 124, 204)},     {"Picture7", QRect(2, 216, 124, 25)},
        {"Picture6", QRect(2, 244, 124, 25)},    {"Picture3", QRect(2, 272, 124, 204)},
        {"Picture12", QRect(128, 5, 365, 41)},   {"Picture1", QRect(128, 48, 365, 365)},
        {"Picture11", QRect(128, 416, 365, 63)}, {"Picture10", QRect(496, 5, 105, 177)},
        {"Picture4", QRect(608, 5, 125, 51)},    {"Picture9", QRect(608, 61, 124, 121)},
        {"Text100", QRect(496, 200, 236, 276)},  {"Label1", QRect(40, 0, 80, 21)},
        {"Label4", QRect(1, 1, 37, 19)},         {"Label8", QRect(84, 8, 188, 28)},
        {"Text1", QRect(0, 31, 365, 26)},        {"Picture13", QRect(3, 9, 95, 113)},
        {"Label14", QRect(12, 97, 109, 17)},     {"Picture5", QRect(0, 0, 125, 51)},
    };
    for (const Expected& e : controls) {
        auto* w = f.form.centralWidget()->findChild<QWidget*>(e.name);
        ASSERT_NE(w, nullptr) << e.name;
        if (scale == 1.0)
            EXPECT_EQ(w->geometry(), e.rect) << e.name;
        else
            EXPECT_TRUE(near(w->geometry(), scaled(e.rect))) << e.name;
    }
    EXPECT_NEAR(f.form.findChild<QLabel*>("Label1")->font().pointSizeF(), 14.25 * scale, 0.2);
    EXPECT_NEAR(f.form.findChild<QWidget*>("Text100")->font().pointSizeF(), 9 * scale, 0.2);
    EXPECT_EQ(f.form.findChild<QLabel*>("Label1")->text(), "00:00:00");
    EXPECT_EQ(f.form.findChild<QLabel*>("Label3")->text(), "00:00:00");
    EXPECT_EQ(f.form.findChild<QLabel*>("Label2")->text(), "先手");
    EXPECT_EQ(f.form.findChild<QLabel*>("Label4")->text(), "後手");
    EXPECT_EQ(f.form.findChild<QLabel*>("Label6")->text(), "入力ボックス（Enterで送信します）");
    EXPECT_FALSE(f.form.findChild<QLabel*>("Label14")->text().isEmpty());
    EXPECT_FALSE(f.form.findChild<QWidget*>("Text100")->isEnabled());
    Snapshot(f.form, QStringLiteral("window-%1x").arg(scale).toUtf8().constData());
}

// The splash, the help window and the file dialogs of the menus take the window's scale: each
// opens at its design size times the scale, with its fonts grown by it and its caption kept.
TEST_P(Form1LayoutAtScale, SplashHelpAndFileDialogsFollowTheScale) {
    const double scale = GetParam();
    ShownForm f;
    if (scale != 1.0) f.ScaleTo(scale);
    const double points = QApplication::font().pointSizeF();

    // As the program starts: the splash at the scale of the window just built.
    const Form2 splash(Form2::SteadyNow, f.form.scale());
    EXPECT_NEAR(splash.width(), 400 * scale, 1);
    EXPECT_NEAR(splash.height(), 150 * scale, 1);

    f.Trigger("readme");
    HelpWindow* help = f.form.helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), "Torvaneのヘルプ");
    EXPECT_NEAR(help->width(), 720 * scale, 1);
    EXPECT_NEAR(help->height(), 620 * scale, 1);
    EXPECT_NEAR(help->browser()->font().pointSizeF(), 10.5 * scale, 0.1);
    auto* contents = help->findChild<QPushButton*>("contentsButton");
    EXPECT_EQ(contents->text(), "目次");
    EXPECT_NEAR(contents->font().pointSizeF(), points * scale, 0.1);

    // Qt's own dialog as it opens unscaled: the size each one should grow from.
    QFileDialog design;
    design.setOption(QFileDialog::DontUseNativeDialog);
    const struct {
        const char* action;
        const char* title;
    } dialogs[] = {{"kifuhiraku", "棋譜を開く"},
                   {"kifuhozon", "棋譜の保存"},
                   {"sonotaa", "BGMファイル選択"},
                   {"sonota", "画像ファイル選択"},
                   {"booob", "画像ファイル選択"}};
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.action);
        QString title;
        QSize size;
        double font = 0;
        WhenModal<QFileDialog>([&](QFileDialog& dialog) {
            title = dialog.windowTitle();
            size = dialog.size();
            font = dialog.font().pointSizeF();
            dialog.reject();
        });
        f.Trigger(d.action);
        EXPECT_EQ(title, QString::fromUtf8(d.title));
        EXPECT_NEAR(size.width(), design.width() * scale, 2);
        EXPECT_NEAR(size.height(), design.height() * scale, 2);
        EXPECT_NEAR(font, points * scale, 0.1);
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, Form1LayoutAtScale, ::testing::Values(1.0, 1.5, 2.0));

// A window wider than the design's proportions keeps them: the layout grows with the height
// and stands in the middle of the felt.
TEST(Form1Layout, AWideWindowCentresTheScaledLayout) {
    ShownForm f;
    f.form.resize(f.form.size() + QSize(733, 238));
    QTRY_VERIFY(std::abs(f.form.scale() - 1.5) < 0.01);
    QWidget* board = f.form.board();
    const QRect client = f.form.centralWidget()->rect();
    const QRect onClient(board->mapTo(f.form.centralWidget(), QPoint()), board->size());
    EXPECT_NEAR(board->width(), 365 * 1.5, 1);
    const double left = onClient.left() - 128 * 1.5;
    EXPECT_NEAR(left, (client.width() - 733 * 1.5) / 2, 1);
    EXPECT_NEAR(onClient.top(), 48 * 1.5, 1);
}

TEST(Form1Layout, MenuBarCaptionsNamesAndStartUpStates) {
    ShownForm f;
    QStringList top;
    for (QAction* a : f.form.menuBar()->actions()) top << a->objectName() + "=" + a->text();
    EXPECT_EQ(top,
              QStringList({"gemu=ゲーム(&G)", "tyatto=接続(&C)", "haikeiga=背景(&K)", "bgm=BGM(&B)",
                           "opusyonn=設定(&S)", "herupu=ヘルプ(&H)", "kifu=棋譜(&R)"}));
    auto menu = [&](const char* name) { return f.form.menuBar()->findChild<QMenu*>(name); };
    EXPECT_EQ(Captions(menu("gemu")),
              QStringList({"kopyuuta=対局（ネット）(&N)", "nigen=対局（人間）(&C)",
                           "konpyuta=対局（コンピュータ）(&P)", "hinto=ヒント(&T)", "-kugu",
                           "touryou=投了(&F)", "-kugir", "apuri=ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"}));
    EXPECT_EQ(Captions(menu("nigen")), QStringList({"sutato=スタート(&S)"}));
    EXPECT_EQ(Captions(menu("tyatto")), QStringList({"suruu=接続する(&R)", "matu=接続を待つ(&M)",
                                                     "-siki", "setudann=切断する(&D)"}));
    EXPECT_EQ(Captions(menu("haikeiga")),
              QStringList({"sonota=背景画(&I)", "booob=ボード盤の背景(&D)"}));
    EXPECT_EQ(Captions(menu("bgm")), QStringList({"saii=BGMの再生(&S)", "teisi=BGMの停止(&T)",
                                                  "-gukiii", "sonotaa=BGMﾌｧｲﾙの選択(&N)"}));
    EXPECT_EQ(Captions(menu("herupu")),
              QStringList({"readme=Torvaneのヘルプ", "-kugiriii", "pajyonn=パージョン情報(&V)"}));
    EXPECT_FALSE(f.form.action("kopyuuta")->isEnabled());
    EXPECT_FALSE(f.form.action("touryou")->isEnabled());
    EXPECT_FALSE(f.form.action("setudann")->isEnabled());
    EXPECT_TRUE(f.form.action("suruu")->isEnabled());
    EXPECT_TRUE(f.form.action("matu")->isEnabled());
    EXPECT_TRUE(f.form.action("sutato")->isEnabled());
    EXPECT_TRUE(f.form.action("konpyuta")->isEnabled());
    EXPECT_FALSE(f.form.action("hinto")->isEnabled());
}

TEST(Form1Layout, StartAsksThenLaysOutAndUnlocks) {
    ShownForm f;
    ModalAnswerer answers;
    PlayState moved = f.form.game().Snapshot();
    moved.board[36] = moved.board[45];
    f.form.game().Restore(moved);
    f.Trigger("sutato");
    EXPECT_EQ(answers.texts, std::vector<std::string>{"先手の番です"});
    EXPECT_EQ(f.form.game().Squares(), SetupTemplate());
    EXPECT_TRUE(f.form.action("touryou")->isEnabled());
    QPalette marker = f.form.findChild<QLabel*>("Label2")->palette();
    EXPECT_EQ(marker.color(QPalette::Window), QColor(0, 255, 0));
    EXPECT_TRUE(f.form.game().View().Timer1);
}

// Qt's own texts speak Japanese: a question offers はい and いいえ.
TEST(Form1Layout, QuestionsAreAskedInJapanese) {
    ShownForm f;
    QString yes, no, title;
    WhenModal<QMessageBox>([&](QMessageBox& box) {
        yes = box.button(QMessageBox::Yes)->text();
        no = box.button(QMessageBox::No)->text();
        title = box.windowTitle();
        box.button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(f.form.AskYesNo("投了しますか?"));
    EXPECT_TRUE(yes.startsWith("はい")) << yes.toStdString();
    EXPECT_TRUE(no.startsWith("いいえ")) << no.toStdString();
    EXPECT_EQ(title, "Torvane");
}
