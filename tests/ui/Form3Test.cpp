#include <gtest/gtest.h>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QStyleOptionGroupBox>

#include "ModalDialog.h"
#include "UiHelpers.h"
#include "app/dialogs/Form3.h"

using namespace torvane;

TEST(Form3, LaidOutAsDesignedWithTheDefaults) {
    ShownForm f;
    std::map<QString, QRect> seen;
    std::map<QString, bool> ticked;
    QString title;
    QSize size;
    WhenModal<Form3>([&](Form3& dialog) {
        title = dialog.windowTitle();
        size = dialog.size();
        for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
            seen[box->objectName()] = box->geometry();
            ticked[box->objectName()] = box->isChecked();
        }
        seen["Frame1"] = dialog.findChild<QGroupBox*>("Frame1")->geometry();
        seen["Command1"] = dialog.findChild<QPushButton*>("Command1")->geometry();
        seen["Command2"] = dialog.findChild<QPushButton*>("Command2")->geometry();
        QString dir = qEnvironmentVariable("TORVANE_SNAPSHOT_DIR");
        if (!dir.isEmpty()) dialog.grab().save(dir + "/settings.png");
        dialog.reject();
    });
    f.Trigger("opusyonn");
    EXPECT_EQ(title, "設定");
    EXPECT_EQ(size, QSize(205, 216));
    EXPECT_EQ(seen["Frame1"], QRect(8, 8, 185, 145));
    EXPECT_EQ(seen["Check1"].topLeft(), QPoint(24, 24));
    EXPECT_EQ(seen["Check5"].topLeft(), QPoint(24, 116));
    EXPECT_EQ(seen["Command1"], QRect(40, 176, 65, 33));
    EXPECT_EQ(seen["Command2"], QRect(128, 176, 65, 33));
    EXPECT_EQ(ticked, (std::map<QString, bool>{{"Check1", true},
                                               {"Check2", true},
                                               {"Check3", true},
                                               {"Check4", false},
                                               {"Check5", true}}));
}

// Opened from a window at twice the design size, the dialog is twice as large, and at both
// sizes the frame's caption stands clear of the first box and the last box inside the frame.
TEST(Form3, ScalesWithTheWindowAndKeepsTheCaptionClearOfTheBoxes) {
    for (double scale : {1.0, 2.0}) {
        ShownForm f;
        if (scale != 1.0) f.ScaleTo(scale);
        QSize size;
        QRect caption, first, last, frame;
        WhenModal<Form3>([&](Form3& dialog) {
            size = dialog.size();
            auto* group = dialog.findChild<QGroupBox*>("Frame1");
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = group->title();
            option.subControls = QStyle::SC_GroupBoxLabel;
            caption = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                     QStyle::SC_GroupBoxLabel, group);
            caption.setHeight(std::max(caption.height(), group->fontMetrics().height()));
            first = dialog.findChild<QCheckBox*>("Check1")->geometry();
            last = dialog.findChild<QCheckBox*>("Check5")->geometry();
            frame = group->rect();
            QString dir = qEnvironmentVariable("TORVANE_SNAPSHOT_DIR");
            if (!dir.isEmpty()) dialog.grab().save(dir + QString("/settings-%1x.png").arg(scale));
            dialog.reject();
        });
        f.Trigger("opusyonn");
        EXPECT_NEAR(size.width(), 205 * scale, 1);
        EXPECT_NEAR(size.height(), 216 * scale, 1);
        EXPECT_FALSE(caption.intersects(first)) << scale;
        EXPECT_GT(first.top(), caption.bottom()) << scale;
        EXPECT_TRUE(frame.contains(last)) << scale;
    }
}

TEST(Form3, TheRefusalInANetworkGameComesBeforeTheDialogCloses) {
    ShownForm f;
    f.form.game().EnterNetworkMode(f.form.session());
    ModalAnswerer answers;
    bool dialogOpenAtMessage = false;
    WhenModal<Form3>([&](Form3& dialog) {
        QTest::mouseClick(dialog.findChild<QCheckBox*>("Check4"), Qt::LeftButton, {}, {8, 8});
        QTimer::singleShot(0, [&] { dialogOpenAtMessage = dialog.isVisible(); });
        QTest::mouseClick(dialog.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    });
    f.Trigger("opusyonn");
    EXPECT_EQ(answers.texts,
              std::vector<std::string>{"ネットワーク対戦は取った駒を使用できません"});
    EXPECT_TRUE(dialogOpenAtMessage);
    EXPECT_FALSE(f.form.hand(Hand::Image4)->isEnabled());
    EXPECT_FALSE(f.form.game().SettingsOnLoad().capturedPieces);
}
