#include "app/window/ContactBox.h"

#include <QPainter>

#include "app/window/Fonts.h"
#include "app/window/Twips.h"

namespace torvane {

namespace {

constexpr qreal kPoints = 7.5;

}  // namespace

const char* const kContactText =
    "Torvane 開発チーム\n"
    "\n"
    "ご意見・ご感想は\n"
    "メールで\n"
    "torvane@\n"
    "example.org\n"
    "\n"
    "最新版の案内\n"
    "torvane.\n"
    "example.org";

ContactBox::ContactBox(const QString& text, QWidget* parent)
    : QWidget(parent), lines_(text), text_(new QLabel(this)) {
    setObjectName("Picture13");
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(250, 244, 228));
    palette.setColor(QPalette::WindowText, QColor(60, 40, 20));
    setPalette(palette);
    text_->setObjectName("Picture14");
    text_->setTextFormat(Qt::PlainText);
    text_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    text_->setAttribute(Qt::WA_OpaquePaintEvent);
    text_->hide();
}

// The text is printed once into a picture: the ticker moves it many times a second, and
// drawing a picture costs far less than laying out the text again each time.
void ContactBox::LayOut(double scale) {
    scale_ = scale;
    text_->setFont(UiFont(kPoints * scale));
    QSize size = text_->fontMetrics().size(0, lines_);
    qreal dpr = devicePixelRatioF();
    QPixmap printed(size * dpr);
    printed.setDevicePixelRatio(dpr);
    printed.fill(palette().color(QPalette::Window));
    QPainter painter(&printed);
    painter.setFont(text_->font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignHCenter | Qt::AlignTop, lines_);
    painter.end();
    text_->setPixmap(printed);
    text_->resize(size);
    text_->move((width() - size.width()) / 2, 0);
    text_->show();
}

void ContactBox::SetTextTop(int twips) {
    text_->move(text_->x(), RowOf(twips));
}

}  // namespace torvane
