#pragma once

#include <QLabel>
#include <QWidget>

#include "app/window/Twips.h"

namespace torvane {

// `Picture13`, the clipping box under "連絡先", and `Picture14` inside it: the maker's
// contact lines, printed once, moved down by the contact ticker.
class ContactBox : public QWidget {
    Q_OBJECT
public:
    ContactBox(const QString& text, QWidget* parent);

    // Prints the text at `scale` times the design size, sizes `Picture14` to it and centres it
    // horizontally at its top.
    void LayOut(double scale = 1.0);
    // Puts the top edge of `Picture14` at `twips` below the top of the box.
    void SetTextTop(int twips);
    // The pixel row of the box at `twips` below its top.
    int RowOf(int twips) const { return Px(twips, scale_); }
    QLabel* text() const { return text_; }

private:
    QString lines_;
    double scale_ = 1.0;
    QLabel* text_;
};

// The contact lines shown in the box.
extern const char* const kContactText;

}  // namespace torvane
