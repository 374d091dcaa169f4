#include "app/dialogs/HelpFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace torvane {

QString HelpFilePath() {
    QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                        QStringLiteral("/../share/torvane/") + kHelpFileName);
    const QString candidates[] = {
        installed,
        QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                               QStringLiteral("torvane/") + kHelpFileName),
        QStringLiteral(TORVANE_DATA_DIR "/") + kHelpFileName,
    };
    for (const QString& path : candidates)
        if (!path.isEmpty() && QFileInfo(path).isFile()) return path;
    return installed;
}

}  // namespace torvane
