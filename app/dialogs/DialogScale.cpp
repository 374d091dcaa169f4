#include "app/dialogs/DialogScale.h"

#include <QWidget>
#include <cmath>

namespace torvane {

namespace {

int Scaled(int pixels, double scale) {
    return static_cast<int>(std::lround(pixels * scale));
}

QFont ScaledFont(QFont font, double scale) {
    font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

}  // namespace

void ScaleDialog(QWidget& dialog, double scale) {
    if (scale == 1.0) return;
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        if (control->isWindow()) continue;
        const QRect r = control->geometry();
        control->setGeometry(Scaled(r.x(), scale), Scaled(r.y(), scale), Scaled(r.width(), scale),
                             Scaled(r.height(), scale));
        // A control with a font of its own keeps it, grown; the others take the dialog's.
        if (control->testAttribute(Qt::WA_SetFont))
            control->setFont(ScaledFont(control->font(), scale));
    }
    dialog.setFont(ScaledFont(dialog.font(), scale));
    const QSize size(Scaled(dialog.width(), scale), Scaled(dialog.height(), scale));
    if (dialog.minimumSize() == dialog.maximumSize())
        dialog.setFixedSize(size);
    else
        dialog.resize(size);
}

}  // namespace torvane
