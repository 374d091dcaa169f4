#include "app/dialogs/PictureDialog.h"

#include <QImageReader>

#include "app/dialogs/FileDialogs.h"

namespace torvane {

QImage ReadPicture(const QString& path) {
    QImageReader reader(path);
    // The bytes decide, not the name: a JPEG saved as .bmp is still shown.
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);  // photographs taken upright stay upright
    return reader.read();           // null on any failure, and beyond Qt's allocation limit
}

QImage ChoosePicture(QWidget* parent, double scale) {
    const QString path = AskOpenFileName(parent, kPictureDialogTitle, kPictureDialogFilter, scale);
    return path.isEmpty() ? QImage() : ReadPicture(path);
}

}  // namespace torvane
