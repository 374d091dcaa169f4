#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/window/Twips.h"

namespace torvane {

// The controls of the small connection dialogs, placed in twips: a caption with its one-line
// box to the right, and the buttons along the bottom.
inline QLineEdit* AddFieldRow(QWidget* dialog, const char* labelName, const char* caption,
                              const char* boxName, int top) {
    auto* label = new QLabel(QString::fromUtf8(caption), dialog);
    label->setObjectName(labelName);
    label->setGeometry(TwipRect(240, top + 40, 1320, 300));
    auto* box = new QLineEdit(dialog);
    box->setObjectName(boxName);
    box->setGeometry(TwipRect(1620, top, 2400, 360));
    return box;
}

inline QPushButton* AddDialogButton(QWidget* dialog, const char* name, const char* caption,
                                    int left, int top) {
    auto* button = new QPushButton(QString::fromUtf8(caption), dialog);
    button->setObjectName(name);
    button->setGeometry(TwipRect(left, top, 1095, 420));
    button->setAutoDefault(false);
    return button;
}

}  // namespace torvane
