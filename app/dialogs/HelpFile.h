#pragma once

#include <QString>

namespace torvane {

// The help document's file name.
inline const QString kHelpFileName = QStringLiteral("Torvaneのヘルプ.html");
// The anchor of its table of contents, where the help window opens it.
inline const QString kHelpContentsAnchor = QStringLiteral("contents");

// Where the help document lies: installed beside the program (share/torvane next to bin/,
// which the build tree copies), in the desktop's data folders (XDG_DATA_DIRS), or in the data
// folder the program was configured for. When none of them holds the file, the place beside
// the program, so that the help window can say which file it missed.
QString HelpFilePath();

}  // namespace torvane
