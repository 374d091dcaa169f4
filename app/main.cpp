#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "app/dialogs/Form2.h"
#include "app/dialogs/HelpFile.h"
#include "app/engine/EngineProcess.h"
#include "app/window/Application.h"
#include "app/window/Form1.h"

namespace {

// With TORVANE_QUIT_WHEN_SHOWN set, the program says so, with where it found its engine and its
// help, and quits once its main window is on the screen: the checks that the commands a
// newcomer types start the game, and that an installed program finds what it needs, use it.
void QuitWhenShownIfAsked(torvane::Form1& form) {
    if (qEnvironmentVariableIsEmpty("TORVANE_QUIT_WHEN_SHOWN")) return;
    QTimer::singleShot(0, &form, [&form] {
        if (!form.isVisible()) return;
        std::printf("torvane: the main window is shown (%dx%d); engine: %s; help: %s\n",
                    form.width(), form.height(), qPrintable(torvane::EngineProcess::Locate()),
                    qPrintable(torvane::HelpFilePath()));
        std::fflush(stdout);
        QCoreApplication::exit(0);  // not close(): that asks the player first
    });
}

}  // namespace

int main(int argc, char** argv) {
    torvane::PrepareEnvironment();
    QApplication app(argc, argv);
    torvane::SetUpApplication(app);

    // The splash takes the main window's scale, so it comes once the window is built; the main
    // window appears when it goes.
    torvane::Form1 form;
    torvane::Form2 splash(torvane::Form2::SteadyNow, form.scale());
    splash.Show();
    splash.CloseAfter(torvane::Form2::kShowTime, [&form] {
        form.show();
        QuitWhenShownIfAsked(form);
    });
    return app.exec();
}
