#include "app/dialogs/SaveFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>

#include "app/dialogs/DialogScale.h"

namespace torvane {

QString AskSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                        const QString& suffix, double scale) {
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    ScaleDialog(dialog, scale);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return {};
    // Qt's own dialog leaves a typed name as it is, so the suffix is added here.
    return QFileInfo(files.first()).suffix().isEmpty() ? files.first() + '.' + suffix
                                                       : files.first();
}

}  // namespace torvane
