#include <QApplication>

#include "app/Application.h"
#include "app/Form1.h"
#include "app/Form2.h"

int main(int argc, char** argv) {
    torvane::PrepareEnvironment();
    QApplication app(argc, argv);
    torvane::SetUpApplication(app);

    auto* splash = new torvane::Form2;
    splash->show();
    splash->repaint();
    torvane::Form1 form;
    splash->close();
    delete splash;

    form.show();
    return app.exec();
}
