#pragma once

#include <QImage>
#include <QWidget>

#include "app/window/ScaledPicture.h"

namespace torvane {

// A panel of the main window painted with a texture: the felt of the window itself, the wood
// of the hand boxes and side panels, or a picture the player chose, stretched over the panel.
class TexturePanel : public QWidget {
    Q_OBJECT
public:
    TexturePanel(const QString& objectName, const QString& texture, QWidget* parent);

    void SetPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString texture_;
    ScaledPicture picture_;
};

}  // namespace torvane
