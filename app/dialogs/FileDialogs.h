#pragma once

#include <QString>

class QWidget;

namespace torvane {

// The file dialogs of the main window's commands: `title`, the filters of `filter` (Qt's
// ";;"-separated syntax), modal over `parent`. Qt's own dialog is used on every desktop, so it
// speaks the program's language and looks the same everywhere. Each returns the chosen file, or
// an empty string when the player cancelled. The dialog is grown by `scale`, the main window's,
// and opens in `folder` (the working folder when it is empty).

// Chooses a file that exists.
QString AskOpenFileName(QWidget* parent, const QString& title, const QString& filter, double scale,
                        const QString& folder = {});
// Chooses a file to write; a name typed without a suffix gets `suffix`.
QString AskSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                        const QString& suffix, double scale, const QString& folder = {});

}  // namespace torvane
