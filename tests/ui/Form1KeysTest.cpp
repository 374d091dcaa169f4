#include <gtest/gtest.h>

#include "UiHelpers.h"
#include "app/dialogs/RecordWindow.h"
#include "images/SetupTemplate.h"

using namespace torvane;

namespace {

// A key pressed with the window active, as a player's keyboard sends it.
void Press(ShownForm& f, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    f.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    QTest::keyClick(f.window(), key, modifiers);
}

}  // namespace

// The keys the menus show do what their items do, and nothing while an item is disabled:
// Ctrl+N starts a game at one computer, Ctrl+Z takes the move back, Ctrl+K shows the move list.
TEST(Form1Keys, ShortcutsDoWhatTheirItemsDo) {
    ShownForm f;
    ModalAnswerer answers;
    Press(f, Qt::Key_Z);  // no game: nothing to take back
    Press(f, Qt::Key_N);
    EXPECT_EQ(answers.texts, std::vector<std::string>{"先手の番です"});
    ASSERT_TRUE(f.form.game().BoardOpen());

    f.DragCell(45, 36);
    ASSERT_EQ(f.form.game().History().entries().size(), 1u);
    Press(f, Qt::Key_Z);
    EXPECT_TRUE(f.form.game().History().entries().empty());
    EXPECT_EQ(f.form.game().Squares(), SetupTemplate());
    Press(f, Qt::Key_Z);
    EXPECT_EQ(f.form.game().Squares(), SetupTemplate());

    Press(f, Qt::Key_K);
    auto* record = f.form.findChild<RecordWindow*>();
    ASSERT_NE(record, nullptr);
    EXPECT_TRUE(record->isVisible());
    EXPECT_EQ(answers.texts.size(), 1u);
}
