#pragma once

class QApplication;

namespace torvane {

// Must run before the QApplication exists: picks the GStreamer media backend (Qt's FFmpeg
// backend of this Qt version crashes on machines without an audio device).
void PrepareEnvironment();

// Fonts, Qt's own Japanese texts, the program's name.
void SetUpApplication(QApplication& app);

}  // namespace torvane
