#pragma once

#include <QCheckBox>
#include <QDialog>
#include <functional>

#include "game/Settings.h"

namespace torvane {

// "設定": the five options in their frame, OK and キャンセル. OK hands the ticked boxes to
// `onOk` before the dialog closes; キャンセル and the close box change nothing.
class Form3 : public QDialog {
    Q_OBJECT
public:
    Form3(QWidget* parent, SettingsChoice current, std::function<void(SettingsChoice)> onOk);

    SettingsChoice choice() const;

private:
    QCheckBox* Check1;
    QCheckBox* Check2;
    QCheckBox* Check3;
    QCheckBox* Check4;
    QCheckBox* Check5;
};

}  // namespace torvane
