#pragma once

#include <QTextBrowser>
#include <QWidget>

class QPushButton;

namespace torvane {

// "Torvaneのヘルプ": the help document in a window of its own beside the game. Links inside
// the document are followed, with back and forward; links to anywhere else are not opened and
// nothing is fetched from the network.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(QWidget* parent, const QString& path);

    // Opens the document at its table of contents; a file that cannot be read gets a notice
    // in the window instead.
    void ShowContents();

    QTextBrowser* browser() const { return browser_; }

private:
    void FollowLink(const QUrl& link);
    bool IsThisDocument(const QUrl& url) const;

    QString path_;
    QTextBrowser* browser_;
    QPushButton* back_;
    QPushButton* forward_;
};

}  // namespace torvane
