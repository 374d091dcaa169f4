#include "app/dialogs/SaveFileDialog.h"

#include <QFileDialog>

namespace torvane {

QString AskSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                        const QString& suffix) {
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

}  // namespace torvane
