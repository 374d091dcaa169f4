#include <gtest/gtest.h>
#include <QFileInfo>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBlock>

#include "TestMusicFiles.h"
#include "UiHelpers.h"
#include "WindowPictures.h"
#include "app/dialogs/HelpFile.h"

using namespace torvane;

namespace {

// The names of the anchors a document defines and the targets its links point to.
struct Anchors {
    QSet<QString> names;
    QStringList links;
};

Anchors AnchorsOf(const QTextDocument& document) {
    Anchors anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        // An empty anchor before a heading names the heading's block.
        for (const QString& name : block.charFormat().anchorNames()) anchors.names.insert(name);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString& name : format.anchorNames()) anchors.names.insert(name);
            if (!format.anchorHref().isEmpty()) anchors.links << format.anchorHref();
        }
    }
    return anchors;
}

// Clicks the first link whose text is `text`, with the mouse, where the player sees it.
void ClickLink(QTextBrowser* browser, const QString& text) {
    QTextCursor found = browser->document()->find(text);
    ASSERT_FALSE(found.isNull()) << text.toStdString();
    found.setPosition(found.selectionStart() + 1);
    browser->setTextCursor(found);
    browser->ensureCursorVisible();
    const QPoint at = browser->cursorRect(found).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

TEST(HelpWindow, TheHelpCommandOpensTheDocumentAtItsContents) {
    ShownForm f;
    f.Trigger("readme");
    HelpWindow* help = f.form.helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Torvaneのヘルプ");
    QTextBrowser* browser = help->browser();
    EXPECT_EQ(QFileInfo(browser->source().toLocalFile()).fileName(), kHelpFileName);
    EXPECT_EQ(browser->source().fragment(), kHelpContentsAnchor);
    const QString text = browser->document()->toPlainText();
    for (const char* words :
         {"目次", "象 ＞ 獅子 ＞ 虎 ＞ 熊 ＞ 鰐 ＞ 豹 ＞ 狼 ＞ 犬 ＞ 鼠", "象手です", "接続を待つ",
          "取った駒を使用できる", "3 分", "BGM", "背景画"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(words))) << words;
    // Opened at the contents, below the title and the introduction.
    EXPECT_GT(browser->verticalScrollBar()->value(), 0);
    Snapshot(*help, "help");

    // A second use of the command comes back to the contents in the same window.
    ClickLink(browser, "コマの取り方と二つの例外");
    f.Trigger("readme");
    EXPECT_EQ(f.form.helpWindow(), help);
    EXPECT_EQ(browser->source().fragment(), kHelpContentsAnchor);
}

TEST(HelpWindow, EveryLinkOfTheDocumentLeadsToOneOfItsSections) {
    HelpWindow help(nullptr, HelpFilePath());
    help.ShowContents();
    const Anchors anchors = AnchorsOf(*help.browser()->document());
    EXPECT_GE(anchors.links.size(), 16);
    for (const QString& link : anchors.links) {
        ASSERT_TRUE(link.startsWith('#')) << link.toStdString();
        EXPECT_TRUE(anchors.names.contains(link.mid(1))) << link.toStdString();
    }
}

TEST(HelpWindow, LinksMoveThroughTheDocumentAndBackReturns) {
    HelpWindow help(nullptr, HelpFilePath());
    help.ShowContents();
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    QTextBrowser* browser = help.browser();
    const int atContents = browser->verticalScrollBar()->value();
    ClickLink(browser, "コマと強さの順番");
    EXPECT_EQ(browser->source().fragment(), "pieces");
    EXPECT_GT(browser->verticalScrollBar()->value(), atContents);
    Snapshot(help, "help-section");
    QTest::mouseClick(help.findChild<QPushButton*>("backButton"), Qt::LeftButton);
    EXPECT_EQ(browser->source().fragment(), kHelpContentsAnchor);
    EXPECT_EQ(browser->verticalScrollBar()->value(), atContents);
}

// Links to the web or to other files are not followed: the window stays on its document.
TEST(HelpWindow, LinksLeadingOutOfTheDocumentAreNotFollowed) {
    QTemporaryDir dir;
    const QString path = testmusic::WriteFile(
        dir.filePath(kHelpFileName),
        "<html><body><a name=\"contents\"></a><p><a href=\"https://example.org/\">web</a></p>"
        "<p><a href=\"other.html\">other</a></p></body></html>");
    testmusic::WriteFile(dir.filePath("other.html"), "<p>elsewhere</p>");
    HelpWindow help(nullptr, path);
    help.ShowContents();
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    const QUrl start = help.browser()->source();
    for (const char* link : {"web", "other"}) {
        ClickLink(help.browser(), link);
        EXPECT_EQ(help.browser()->source(), start) << link;
        EXPECT_TRUE(help.browser()->document()->toPlainText().contains("web")) << link;
    }
}

TEST(HelpWindow, AMissingFileIsReportedInTheWindow) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(kHelpFileName);
    HelpWindow help(nullptr, missing);
    help.ShowContents();
    help.show();
    const QString text = help.browser()->document()->toPlainText();
    EXPECT_TRUE(text.contains("ヘルプファイルを開けません"));
    EXPECT_TRUE(text.contains(missing));
    QTest::mouseClick(help.findChild<QPushButton*>("contentsButton"), Qt::LeftButton);
    EXPECT_TRUE(help.browser()->document()->toPlainText().contains(missing));
}
