#include "app/window/Application.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/Version.h"
#include "app/window/AccessibleViews.h"
#include "app/window/Fonts.h"

namespace torvane {

void PrepareEnvironment() {
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");
}

void SetUpApplication(QApplication& app) {
    app.setOrganizationName("Torvane");  // the choices kept go to ~/.config/Torvane/Torvane.conf
    app.setApplicationName("Torvane");
    app.setApplicationDisplayName("Torvane");
    app.setApplicationVersion(kVersion);
    app.setFont(UiFont(9));
    QIcon icon;  // every window and dialog of the program carries it
    icon.addFile(":/img/icon.png");
    icon.addFile(":/img/icon@2x.png");
    app.setWindowIcon(icon);
    InstallAccessibleViews();
    // Message boxes say はい/いいえ and the file dialog speaks Japanese.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
}

}  // namespace torvane
