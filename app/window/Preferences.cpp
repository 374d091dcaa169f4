#include "app/window/Preferences.h"

#include <QDebug>
#include <QFileInfo>
#include <algorithm>

#include "app/engine/EngineStrength.h"

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

ComputerGameChoice Preferences::ComputerGame() const {
    const ComputerGameChoice defaults;
    return {Value("computer/playerIsGote", defaults.playerIsGote).toBool(),
            std::clamp(Value("computer/level", defaults.level).toInt(), 1, kComputerLevels),
            Value("computer/timeLimit", defaults.timeLimit).toBool(),
            Value("computer/topSeconds", defaults.topSeconds).toInt()};
}

void Preferences::KeepComputerGame(const ComputerGameChoice& choice) {
    settings_.setValue("computer/playerIsGote", choice.playerIsGote);
    settings_.setValue("computer/level", choice.level);
    settings_.setValue("computer/timeLimit", choice.timeLimit);
    settings_.setValue("computer/topSeconds", choice.topSeconds);
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

QByteArray Preferences::WindowGeometry() const {
    return Value("view/geometry", QByteArray()).toByteArray();
}

void Preferences::KeepWindowGeometry(const QByteArray& geometry) {
    settings_.setValue("view/geometry", geometry);
}

QString Preferences::Folder(const QString& kind) const {
    return Value(qPrintable("folders/" + kind), QString()).toString();
}

void Preferences::KeepFolderOf(const QString& kind, const QString& file) {
    settings_.setValue("folders/" + kind, QFileInfo(file).absolutePath());
}

}  // namespace torvane
