#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>

#include <QTemporaryDir>

#include "FileDialogAnswerer.h"
#include "NetTestHelpers.h"
#include "WindowPictures.h"
#include "app/dialogs/ComputerGameDialog.h"
#include "app/dialogs/Form3.h"
#include "app/dialogs/Form5.h"

using namespace torvane;

namespace {

QString Field(QWidget& dialog, const char* name) {
    return dialog.findChild<QLineEdit*>(name)->text();
}

// The next run of the program: a window made after the last one closed, with what it kept.
struct NextRun {
    Form1 form;
    NextRun() { form.show(); }
};

}  // namespace

// What the player chose is there again in the next window: the settings dialog's boxes, the
// coordinates, the computer game's side, level and time limit, the handle and port of the last
// connection, the record dialogs' folder, the window's size. Until then every window starts
// from the defaults.
TEST(Form1Preferences, ChoicesSurviveIntoTheNextRun) {
    qputenv("TORVANE_ENGINE", TORVANE_ENGINE_BINARY);
    ReservedPort port;
    QTemporaryDir records;
    QSize size;
    {
        ShownForm f;
        ModalAnswerer answers;
        FileDialogAnswerer files;
        files.path = records.filePath("kept.kifu");
        f.Trigger("kifuhozon");
        ASSERT_EQ(files.seen.size(), 1u);
        EXPECT_NE(files.seen[0].folder, records.path());
        EXPECT_TRUE(f.form.board()->CoordinatesShown());
        EXPECT_EQ(f.form.game().SettingsOnLoad(), SettingsChoice{});
        f.Trigger("zahyou");
        WhenModal<Form3>([](Form3& dialog) {
            for (const char* box : {"Check1", "Check4"})
                QTest::mouseClick(dialog.findChild<QCheckBox*>(box), Qt::LeftButton, {}, {8, 8});
            Click(dialog, "Command1");
        });
        f.Trigger("opusyonn");
        WhenModal<ComputerGameDialog>([](ComputerGameDialog& dialog) {
            dialog.findChild<QRadioButton*>("gote")->setChecked(true);
            auto* level = dialog.findChild<QComboBox*>("level");
            EXPECT_EQ(level->count(), 10);
            level->setCurrentIndex(6);
            EXPECT_EQ(dialog.findChild<QLabel*>("thinkTime")->text(), "1手 2秒まで");
            EXPECT_TRUE(dialog.findChild<QComboBox*>("topTime")->isHidden());
            level->setCurrentIndex(9);  // the top level: the player gives it 10 s a move
            EXPECT_TRUE(dialog.findChild<QLabel*>("thinkTime")->isHidden());
            dialog.findChild<QComboBox*>("topTime")->setCurrentIndex(2);
            Snapshot(dialog, "computer-game-dialog-top-level");
            dialog.findChild<QCheckBox*>("timeLimit")->setChecked(true);
            Click(dialog, "Command1");
        });
        f.Trigger("konpyuta");
        f.Trigger("sutato");  // the computer game is given up before connecting
        WhenModal<Form5>([&](Form5& dialog) {
            Type(dialog, "Text1", "たろう");
            Type(dialog, "Text2", port.text());
            Click(dialog, "Command1");
        });
        f.Trigger("matu");
        ASSERT_TRUE(f.form.game().NetworkMode());
        f.form.resize(f.form.size() + QSize(130, 90));
        size = f.form.size();
    }

    NextRun next;
    EXPECT_FALSE(next.form.board()->CoordinatesShown());
    EXPECT_FALSE(next.form.action("zahyou")->isChecked());
    SettingsChoice kept;
    kept.sound = false;
    kept.capturedPieces = true;
    EXPECT_EQ(next.form.game().SettingsOnLoad(), kept);
    EXPECT_TRUE(next.form.game().DropsAllowed());
    bool asked = false;
    WhenModal<ComputerGameDialog>([&](ComputerGameDialog& dialog) {
        asked = true;
        EXPECT_EQ(dialog.Choice(), (ComputerGameChoice{true, 10, true, 10}));
        Click(dialog, "Command2");
    });
    next.form.action("konpyuta")->trigger();
    WhenModal<Form5>([&](Form5& dialog) {
        EXPECT_EQ(Field(dialog, "Text1"), "たろう");
        EXPECT_EQ(Field(dialog, "Text2"), port.text());
        Click(dialog, "Command2");
    });
    next.form.action("matu")->trigger();
    EXPECT_TRUE(asked);
    EXPECT_EQ(next.form.size(), size);
    FileDialogAnswerer files;  // cancelled
    next.form.action("kifuhiraku")->trigger();
    ASSERT_EQ(files.seen.size(), 1u);
    EXPECT_EQ(files.seen[0].folder, records.path());
    qunsetenv("TORVANE_ENGINE");
}

// A damaged settings file is ignored as a whole, with a warning on the console: the window
// starts from the defaults, whatever the readable lines of the file say.
TEST(Form1Preferences, AnUnreadableFileGivesTheDefaults) {
    FirstRun fresh;
    QFile file(QSettings().fileName());
    QDir().mkpath(QFileInfo(file).path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[settings\nsound=false\n[view]\ncoordinates=false\n");  // an unclosed section
    file.close();
    NextRun next;
    EXPECT_TRUE(next.form.board()->CoordinatesShown());
    EXPECT_EQ(next.form.game().SettingsOnLoad(), SettingsChoice{});
}
