#pragma once

class QWidget;

namespace torvane {

// Grows a dialog laid out at the design size, with its controls at fixed places, by `scale`:
// its size, every control's place and size, and every font, so that it matches the main
// window shown at that scale. At scale 1 it changes nothing.
void ScaleDialog(QWidget& dialog, double scale);

}  // namespace torvane
