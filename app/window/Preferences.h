#pragma once

#include <QSettings>
#include <QString>

#include "game/Settings.h"

namespace torvane {

// The player's choices kept between runs, in the XDG config folder (Torvane/Torvane.conf): the
// settings dialog's boxes, the computer game's side and level, the handle, address and port of
// the last connection, and whether the board shows its coordinates. Nothing is kept before the
// player chooses, so the first run starts from the defaults; a file that cannot be read is
// ignored with a warning on the console, and the defaults are used.
class Preferences {
public:
    Preferences();

    SettingsChoice Settings() const;
    void KeepSettings(const SettingsChoice& choice);

    bool ComputerPlayerIsGote() const;
    int ComputerLevel() const;  // 1..5
    void KeepComputerGame(bool playerIsGote, int level);

    QString Handle() const;
    QString Address() const;
    QString Port() const;
    void KeepConnection(const QString& handle, const QString& address, const QString& port);
    void KeepListening(const QString& handle, const QString& port);

    bool Coordinates() const;
    void KeepCoordinates(bool shown);

private:
    QVariant Value(const char* key, const QVariant& fallback) const;

    QSettings settings_;
    bool readable_ = true;
};

}  // namespace torvane
