#pragma once

#include <QLabel>
#include <QWidget>

namespace torvane {

// `Picture13`, the clipping box under "連絡先", and `Picture14` inside it: the maker's
// contact lines, printed once, moved down by the contact ticker.
class ContactBox : public QWidget {
    Q_OBJECT
public:
    ContactBox(const QString& text, QWidget* parent);

    // Sizes `Picture14` to the printed text and centres it horizontally at the top.
    void LayOut();
    // Puts the top edge of `Picture14` at `twips` below the top of the box.
    void SetTextTop(int twips);
    QLabel* text() const { return text_; }

private:
    QString lines_;
    QLabel* text_;
};

// The contact lines shown in the box.
extern const char* const kContactText;

}  // namespace torvane
