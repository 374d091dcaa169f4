#include "app/dialogs/OpenFileDialog.h"

#include <QFileDialog>

#include "app/dialogs/DialogScale.h"

namespace torvane {

QString AskOpenFileName(QWidget* parent, const QString& title, const QString& filter,
                        double scale) {
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    ScaleDialog(dialog, scale);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

}  // namespace torvane
