#include <gtest/gtest.h>
#include <QFrame>
#include <QLabel>
#include <QTextDocument>

#include "ModalDialog.h"
#include "UiHelpers.h"
#include "WindowPictures.h"
#include "app/Version.h"
#include "app/dialogs/Form8.h"
#include "app/window/Fonts.h"
#include "app/window/Twips.h"

using namespace torvane;

namespace {

struct Expected {
    const char* name;
    QString text;
    QRect rect;  // the place in twips; a label may be taller than its box for its font
};

// What the player saw in the box, checked while it is open.
void CheckAboutBox(Form8* box, Form1& main) {
    EXPECT_EQ(box->windowTitle(), "パージョン情報");
    EXPECT_TRUE(box->isModal());
    EXPECT_EQ(box->size(), QSize(Px(5070), Px(3780)));
    const QPoint offset = box->geometry().center() - main.geometry().center();
    EXPECT_LE(offset.manhattanLength(), 2) << "not centred on the main window";

    const Expected labels[] = {
        {"Label1", "Torvane", TwipRect(1560, 120, 1815, 435)},
        {"Label2", QString("パージョン　") + kVersion, TwipRect(1630, 720, 1710, 180)},
        {"Label3", "ｱﾌﾟﾘｹｰｼｮﾝの説明", TwipRect(1680, 1080, 1410, 180)},
        {"Label5", "製作者：", TwipRect(40, 1920, 2200, 240)},
        {"Label6", "Torvane 開発チーム", TwipRect(2280, 1920, 2760, 240)},
        {"Label7", "メールアドレス：", TwipRect(40, 2205, 2200, 240)},
        {"Label8", "torvane@example.org", TwipRect(2280, 2205, 2760, 240)},
        {"Label9", "ホームページアドレス：", TwipRect(40, 2520, 2200, 240)},
        {"Label10", "https://torvane.example.org", TwipRect(2280, 2520, 2760, 240)},
    };
    for (const Expected& e : labels) {
        auto* label = box->findChild<QLabel*>(e.name);
        ASSERT_NE(label, nullptr) << e.name;
        EXPECT_EQ(label->text(), e.text) << e.name;
        EXPECT_EQ(label->pos(), e.rect.topLeft()) << e.name;
        EXPECT_EQ(label->width(), e.rect.width()) << e.name;
        EXPECT_GE(label->height(), e.rect.height()) << e.name;
        EXPECT_LE(label->sizeHint().width(), label->width()) << e.name << " is cut off";
    }
    // The description, set in rich text for its line spacing: its words and that it fits.
    auto* about = box->findChild<QLabel*>("Label4");
    ASSERT_NE(about, nullptr);
    QTextDocument shown;
    shown.setHtml(about->text());
    EXPECT_EQ(shown.toPlainText(),
              "動物をコマとし使い、そのコマには強弱関係があり、いわゆる強弱強食です。その動物の大小"
              "関係さえわかれば、すぐにゲームが出来て楽しく遊べます。");
    EXPECT_EQ(about->geometry(), TwipRect(40, 1320, 5055, 615));
    EXPECT_LE(about->heightForWidth(about->width()), about->height()) << "description cut off";

    auto* notice = box->findChild<QLabel*>("lblDisclaimer");
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->geometry(), TwipRect(40, 3000, 3660, 795));
    EXPECT_FALSE(notice->text().isEmpty());
    EXPECT_LE(notice->heightForWidth(notice->width()), notice->height()) << "notice cut off";

    auto* image = box->findChild<QLabel*>("Image1");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->geometry(), TwipRect(110, 70, 1350, 1200));
    EXPECT_FALSE(image->pixmap().isNull());
    EXPECT_NE(box->findChild<QFrame*>("Line1"), nullptr);
    EXPECT_NE(box->findChild<QLabel*>("Label1")->font().family(), UiFont(9).family())
        << "the title is not in the brush script";

    auto* ok = box->findChild<QPushButton*>("Command1");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(ok->geometry(), TwipRect(3840, 3120, 1095, 375));
    Snapshot(*box, "about");
    QTest::mouseClick(ok, Qt::LeftButton);
}

}  // namespace

TEST(AboutBox, ShowsItsTextsInPlaceAndOkClosesIt) {
    ShownForm f;
    ModalWatcher<Form8> answerer([&](Form8& box) { CheckAboutBox(&box, f.form); });
    f.Trigger("pajyonn");
    EXPECT_EQ(answerer.answered, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(f.form.findChildren<Form8*>().isEmpty()) << "the box outlived its command";
}
