#pragma once

#include <QSettings>
#include <QString>

#include "app/dialogs/ComputerGameChoice.h"
#include "game/Settings.h"

namespace torvane {

// The player's choices kept between runs, in the XDG config folder (Torvane/Torvane.conf): the
// settings dialog's boxes, the computer game's side, level and time limit, the handle, address and
// port of the last connection, whether the board shows its coordinates, the window's size and
// place, and the folders the record and music dialogs last chose from. Nothing is kept before the
// player chooses, so the first run starts from the defaults; a file that cannot be read is
// ignored with a warning on the console, and the defaults are used.
class Preferences {
public:
    Preferences();

    SettingsChoice Settings() const;
    void KeepSettings(const SettingsChoice& choice);

    ComputerGameChoice ComputerGame() const;
    void KeepComputerGame(const ComputerGameChoice& choice);

    QString Handle() const;
    QString Address() const;
    QString Port() const;
    void KeepConnection(const QString& handle, const QString& address, const QString& port);
    void KeepListening(const QString& handle, const QString& port);

    bool Coordinates() const;
    void KeepCoordinates(bool shown);

    // As QWidget::saveGeometry gives it; empty before the first run ends.
    QByteArray WindowGeometry() const;
    void KeepWindowGeometry(const QByteArray& geometry);

    // The folder of the file last chosen in the dialogs of `kind` ("record", "music"); empty
    // before the first.
    QString Folder(const QString& kind) const;
    void KeepFolderOf(const QString& kind, const QString& file);

private:
    QVariant Value(const char* key, const QVariant& fallback) const;

    QSettings settings_;
    bool readable_ = true;
};

}  // namespace torvane
