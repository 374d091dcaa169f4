#pragma once

#include <QImage>

namespace torvane {

// The lettered pictures of the program; `scale` 2 draws them for high-density screens.

// Program icon, 48 x 48: a square of wood with "Tor" over "vane" in black brush letters.
QImage ProgramIcon(int scale);
// Splash picture, 400 x 150: an orange-brown plank with the title in green-gold brush
// lettering, the version and an authorship line.
QImage SplashPicture(int scale);
// Title panel of the main window, 125 x 51: the title on medium wood.
QImage TitlePicture(int scale);
// Picture of the about box, 90 x 80: the title in two rows of black brush script on dark wood.
QImage AboutPicture(int scale);

}  // namespace torvane
