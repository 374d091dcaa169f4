#include "app/dialogs/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

#include "app/dialogs/DialogScale.h"

namespace torvane {

namespace {

QString AskFileName(QWidget* parent, const QString& title, const QString& filter, double scale,
                    const QString& folder, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    ScaleDialog(dialog, scale);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

}  // namespace

QString AskOpenFileName(QWidget* parent, const QString& title, const QString& filter, double scale,
                        const QString& folder) {
    return AskFileName(parent, title, filter, scale, folder, QFileDialog::AcceptOpen);
}

QString AskSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                        const QString& suffix, double scale, const QString& folder) {
    QString file = AskFileName(parent, title, filter, scale, folder, QFileDialog::AcceptSave);
    // Qt's own dialog leaves a typed name as it is, so the suffix is added here.
    if (file.isEmpty() || !QFileInfo(file).suffix().isEmpty()) return file;
    return file + '.' + suffix;
}

}  // namespace torvane
