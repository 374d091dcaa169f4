#pragma once

#include <QImage>
#include <QString>

class QWidget;

namespace torvane {

// Title and filters of the file dialog for the background pictures. The captions are the
// program's own; each is followed by the patterns Qt reads.
inline const QString kPictureDialogTitle = QStringLiteral("画像ファイル選択");
inline const QString kPictureDialogFilter = QStringLiteral(
    "ピットマップファイル(*bmp) (*.bmp);;"
    "gifファイル (*gif) (*.gif);;"
    "ｊｐｇファイル (*jpg) (*.jpg *.jpeg);;"
    "すべてのファイル(*.*) (*)");

// The picture in the file at `path` (BMP, GIF, JPEG, PNG, whatever its name says), or a null
// image when the file cannot be read as a picture.
QImage ReadPicture(const QString& path);

// Asks for a picture file and reads it. A null image when the player cancelled or the file
// is not a readable picture: the caller then changes nothing. The dialog is grown by `scale`.
QImage ChoosePicture(QWidget* parent, double scale);

}  // namespace torvane
