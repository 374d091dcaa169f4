#pragma once

#include <QWidget>

namespace torvane {

// The splash window: the title on a plank of wood, shown while the program starts.
class Form2 : public QWidget {
    Q_OBJECT
public:
    Form2();

protected:
    void paintEvent(QPaintEvent*) override;
};

}  // namespace torvane
