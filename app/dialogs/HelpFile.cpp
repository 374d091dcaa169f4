#include "app/dialogs/HelpFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace torvane {

QString HelpFilePath() {
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                              QStringLiteral("/../share/torvane/") + kHelpFileName);
    const QString candidates[] = {
        installed,
        QStringLiteral(TORVANE_SOURCE_DIR "/help/") + kHelpFileName,
        QStringLiteral(TORVANE_DATA_DIR "/") + kHelpFileName,
    };
    for (const QString& path : candidates)
        if (QFileInfo(path).isFile()) return path;
    return installed;
}

}  // namespace torvane
