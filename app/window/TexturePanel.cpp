#include "app/window/TexturePanel.h"

#include <QPainter>

#include "app/window/ImageStore.h"

namespace torvane {

TexturePanel::TexturePanel(const QString& objectName, const QString& texture, QWidget* parent)
    : QWidget(parent), texture_(texture) {
    setObjectName(objectName);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TexturePanel::SetPicture(const QImage& picture) {
    picture_.Set(picture, size());
    update();
}

void TexturePanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!picture_.isNull()) {
        p.drawPixmap(0, 0, picture_.At(size(), devicePixelRatioF()));
        return;
    }
    p.drawTiledPixmap(rect(), Texture(texture_, devicePixelRatioF()));
    if (texture_ != QLatin1String("felt")) {
        p.setPen(QColor(40, 22, 8, 160));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace torvane
