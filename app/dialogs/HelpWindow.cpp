#include "app/dialogs/HelpWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/HelpFile.h"
#include "app/window/Fonts.h"

namespace torvane {

namespace {

QPushButton* AddButton(QHBoxLayout* row, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption));
    button->setObjectName(name);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

QString MissingNotice(const QString& path) {
    return QStringLiteral(
               "<h2>ヘルプファイルを開けません</h2>"
               "<p>次のファイルが見つからないか、読み込めません。</p><p><tt>%1</tt></p>"
               "<p>Torvane をインストールし直してください。</p>")
        .arg(path.toHtmlEscaped());
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent, const QString& path)
    : QWidget(parent, Qt::Window), path_(path), browser_(new QTextBrowser) {
    setObjectName("HelpWindow");
    setWindowTitle("Torvaneのヘルプ");
    resize(720, 620);

    auto* row = new QHBoxLayout;
    QPushButton* contents = AddButton(row, "contentsButton", "目次");
    back_ = AddButton(row, "backButton", "戻る");
    forward_ = AddButton(row, "forwardButton", "進む");
    row->addStretch();
    QPushButton* close = AddButton(row, "closeButton", "閉じる");

    browser_->setObjectName("helpBrowser");
    browser_->setFont(UiFont(10.5));
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(browser_);

    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::ShowContents);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
}

void HelpWindow::ShowContents() {
    const QFileInfo file(path_);
    if (!file.isFile() || !file.isReadable()) {
        browser_->setHtml(MissingNotice(path_));
        return;
    }
    QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    url.setFragment(kHelpContentsAnchor);
    browser_->setSource(url, QTextDocument::HtmlResource);
}

bool HelpWindow::IsThisDocument(const QUrl& url) const {
    return url.isLocalFile() &&
           QFileInfo(url.toLocalFile()).absoluteFilePath() == QFileInfo(path_).absoluteFilePath();
}

void HelpWindow::FollowLink(const QUrl& link) {
    const QUrl target = browser_->source().resolved(link);
    if (IsThisDocument(target)) browser_->setSource(target, QTextDocument::HtmlResource);
}

}  // namespace torvane
