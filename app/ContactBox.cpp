#include "app/ContactBox.h"

#include "app/Fonts.h"
#include "app/Twips.h"

namespace torvane {

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
    : QWidget(parent), text_(new QLabel(this)) {
    setObjectName("Picture13");
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(250, 244, 228));
    palette.setColor(QPalette::WindowText, QColor(60, 40, 20));
    setPalette(palette);
    text_->setObjectName("Picture14");
    text_->setTextFormat(Qt::PlainText);
    text_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    text_->setFont(UiFont(7.5));
    text_->setText(text);
    text_->hide();
}

void ContactBox::LayOut() {
    QSize size = text_->fontMetrics().size(0, text_->text());
    text_->resize(size);
    text_->move((width() - size.width()) / 2, 0);
    text_->show();
}

void ContactBox::SetTextTop(int twips) {
    text_->move(text_->x(), Px(twips));
}

}  // namespace torvane
