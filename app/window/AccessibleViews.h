#pragma once

namespace torvane {

// Lets assistive tools see the board's cells and the hands' slots one by one, and the move
// announcements of the live status: installs the interfaces of BoardView, HandView and
// Announcement. Once per program.
void InstallAccessibleViews();

}  // namespace torvane
