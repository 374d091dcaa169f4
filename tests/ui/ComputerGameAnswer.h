#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ModalDialog.h"
#include "app/dialogs/ComputerGameDialog.h"

namespace torvane {

// The player chooses side and level in the computer game's dialog when it comes up, and
// whether to play on from the position on the board, and presses OK, through its widgets.
inline void AnswerComputerGameDialog(bool gote, int level, bool fromHere = false) {
    WhenModal<ComputerGameDialog>([gote, level, fromHere](ComputerGameDialog& dialog) {
        auto* side = dialog.findChild<QRadioButton*>(gote ? "gote" : "sente");
        QTest::mouseClick(side, Qt::LeftButton, {}, QPoint(6, side->height() / 2));
        dialog.findChild<QComboBox*>("level")->setCurrentIndex(level - 1);
        auto* box = dialog.findChild<QCheckBox*>("fromHere");
        if (fromHere && box->isEnabled()) QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, 6));
        QTest::mouseClick(dialog.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    });
}

}  // namespace torvane
