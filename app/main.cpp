#include <QApplication>

#include "app/dialogs/Form2.h"
#include "app/window/Application.h"
#include "app/window/Form1.h"

int main(int argc, char** argv) {
    torvane::PrepareEnvironment();
    QApplication app(argc, argv);
    torvane::SetUpApplication(app);

    // The splash stays up while the main window is built and a little longer; the main window
    // appears when it goes.
    torvane::Form2 splash;
    splash.Show();
    torvane::Form1 form;
    splash.CloseAfter(torvane::Form2::kShowTime, [&form] { form.show(); });
    return app.exec();
}
