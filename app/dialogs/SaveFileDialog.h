#pragma once

#include <QString>

class QWidget;

namespace torvane {

// The save-file dialog of the main window's commands, modal over `parent`: Qt's own dialog,
// as for opening files. A name typed without a suffix gets `suffix`. Returns the chosen file,
// or an empty string when the player cancelled. The dialog is grown by `scale`, the main
// window's.
QString AskSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                        const QString& suffix, double scale);

}  // namespace torvane
