#pragma once

#include <QFont>

namespace torvane {

// The Japanese face of the interface. Asked for by name so that kanji take their Japanese
// shapes, not the Chinese ones fontconfig may pick for unified characters.
QFont UiFont(qreal points, bool bold = false);

}  // namespace torvane
