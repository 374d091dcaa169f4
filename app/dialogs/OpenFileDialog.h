#pragma once

#include <QString>

class QWidget;

namespace torvane {

// The open-file dialog of the main window's commands: `title`, the filters of `filter` (Qt's
// ";;"-separated syntax), modal over `parent`. Qt's own dialog is used on every desktop, so it
// speaks the program's language and looks the same everywhere. Returns the chosen file, or an
// empty string when the player cancelled. The dialog is grown by `scale`, the main window's.
QString AskOpenFileName(QWidget* parent, const QString& title, const QString& filter, double scale);

}  // namespace torvane
