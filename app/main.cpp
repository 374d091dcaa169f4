#include <QApplication>

#include "app/dialogs/Form2.h"
#include "app/window/Application.h"
#include "app/window/Form1.h"

int main(int argc, char** argv) {
    torvane::PrepareEnvironment();
    QApplication app(argc, argv);
    torvane::SetUpApplication(app);

    // The splash takes the main window's scale, so it comes once the window is built; the main
    // window appears when it goes.
    torvane::Form1 form;
    torvane::Form2 splash(torvane::Form2::SteadyNow, form.scale());
    splash.Show();
    splash.CloseAfter(torvane::Form2::kShowTime, [&form] { form.show(); });
    return app.exec();
}
