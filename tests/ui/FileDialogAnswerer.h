#pragma once

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "ModalDialog.h"

namespace torvane {

// What the player saw in a file dialog.
struct SeenFileDialog {
    QString title;
    QStringList filters;
    QString folder;  // the folder it opened in
};

// Whether `name` matches one of the patterns in the last parentheses of `filter`.
inline bool FilterMatches(const QString& filter, const QString& name) {
    const QString patterns = filter.mid(filter.lastIndexOf('(') + 1).chopped(1);
    for (const QString& pattern : patterns.split(' ', Qt::SkipEmptyParts)) {
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern),
                                    QRegularExpression::CaseInsensitiveOption);
        if (re.match(name).hasMatch()) return true;
    }
    return false;
}

// The names the dialog lists in its folder, once it has read the folder.
inline QStringList ListedFiles(QFileDialog& dialog) {
    auto* view = dialog.findChild<QListView*>("listView");
    QStringList names;
    for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
        names << view->model()->index(row, 0, view->rootIndex()).data().toString();
    return names;
}

// The player goes to the file's folder, picks the first file type that shows the file, waits
// until it is listed, types its name and clicks the open button. When the dialog never offers
// the file, the player gives up with the cancel button.
inline void OpenFile(QFileDialog& dialog, const QString& path) {
    const QFileInfo file(path);
    dialog.setDirectory(file.absolutePath());
    for (const QString& filter : dialog.nameFilters())
        if (FilterMatches(filter, file.fileName())) {
            dialog.selectNameFilter(filter);
            break;
        }
    auto* buttons = dialog.findChild<QDialogButtonBox*>("buttonBox");
    QPushButton* open = buttons->button(QDialogButtonBox::Open);
    auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
    if (QTest::qWaitFor([&] { return ListedFiles(dialog).contains(file.fileName()); }, 5000)) {
        name->clear();
        QTest::keyClicks(name, file.fileName());
    }
    if (open->isEnabled())
        open->click();
    else
        buttons->button(QDialogButtonBox::Cancel)->click();
}

// The player goes to the file's folder, types its name and clicks the save button.
inline void SaveFile(QFileDialog& dialog, const QString& path) {
    const QFileInfo file(path);
    dialog.setDirectory(file.absolutePath());
    auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
    name->clear();
    QTest::keyClicks(name, file.fileName());
    dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Save)->click();
}

// The player clicks the cancel button.
inline void CancelFile(QFileDialog& dialog) {
    dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Cancel)->click();
}

// Answers the file dialogs that come up: opens or saves `path`, or cancels while it is empty.
// Records each dialog's title, filters and folder.
class FileDialogAnswerer : public ModalWatcher<QFileDialog> {
public:
    FileDialogAnswerer()
        : ModalWatcher<QFileDialog>([this](QFileDialog& d) {
              seen.push_back({d.windowTitle(), d.nameFilters(), d.directory().absolutePath()});
              if (path.isEmpty())
                  CancelFile(d);
              else if (d.acceptMode() == QFileDialog::AcceptSave)
                  SaveFile(d, path);
              else
                  OpenFile(d, path);
          }) {}
    QString path;
    std::vector<SeenFileDialog> seen;
};

}  // namespace torvane
