#include "app/window/Preferences.h"

#include <QDebug>
#include <QFileInfo>
#include <algorithm>

namespace torvane {

Preferences::Preferences() {
    const QFileInfo file(settings_.fileName());
    if (settings_.status() != QSettings::FormatError && (!file.exists() || file.isReadable()))
        return;
    qWarning().noquote() << "Torvane: the settings file" << settings_.fileName()
                         << "cannot be read; the defaults are used.";
    readable_ = false;
}

// An unreadable file gives every default; a value of the wrong type reads as the default.
QVariant Preferences::Value(const char* key, const QVariant& fallback) const {
    return readable_ ? settings_.value(key, fallback) : fallback;
}

SettingsChoice Preferences::Settings() const {
    const SettingsChoice defaults;
    auto flag = [this](const char* key, bool fallback) { return Value(key, fallback).toBool(); };
    return {flag("settings/sound", defaults.sound),
            flag("settings/rangeDisplay", defaults.rangeDisplay),
            flag("settings/checkNotice", defaults.checkNotice),
            flag("settings/capturedPieces", defaults.capturedPieces),
            flag("settings/timeLimit", defaults.timeLimit)};
}

void Preferences::KeepSettings(const SettingsChoice& choice) {
    settings_.setValue("settings/sound", choice.sound);
    settings_.setValue("settings/rangeDisplay", choice.rangeDisplay);
    settings_.setValue("settings/checkNotice", choice.checkNotice);
    settings_.setValue("settings/capturedPieces", choice.capturedPieces);
    settings_.setValue("settings/timeLimit", choice.timeLimit);
}

bool Preferences::ComputerPlayerIsGote() const {
    return Value("computer/playerIsGote", false).toBool();
}

int Preferences::ComputerLevel() const {
    return std::clamp(Value("computer/level", 1).toInt(), 1, 5);
}

void Preferences::KeepComputerGame(bool playerIsGote, int level) {
    settings_.setValue("computer/playerIsGote", playerIsGote);
    settings_.setValue("computer/level", level);
}

QString Preferences::Handle() const {
    return Value("network/handle", QString()).toString();
}

QString Preferences::Address() const {
    return Value("network/address", QString()).toString();
}

QString Preferences::Port() const {
    return Value("network/port", QString()).toString();
}

void Preferences::KeepConnection(const QString& handle, const QString& address,
                                 const QString& port) {
    KeepListening(handle, port);
    settings_.setValue("network/address", address);
}

void Preferences::KeepListening(const QString& handle, const QString& port) {
    settings_.setValue("network/handle", handle);
    settings_.setValue("network/port", port);
}

bool Preferences::Coordinates() const {
    return Value("view/coordinates", true).toBool();
}

void Preferences::KeepCoordinates(bool shown) {
    settings_.setValue("view/coordinates", shown);
}

}  // namespace torvane
