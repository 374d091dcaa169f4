#pragma once

namespace torvane {

// The five check boxes of the settings dialog, ticked or not.
struct SettingsChoice {
    bool sound = true;            // "音を出す"
    bool rangeDisplay = true;     // "移動範囲を表示する"
    bool checkNotice = true;      // "王手を知らせる"
    bool capturedPieces = false;  // "取った駒を使用できる"
    bool timeLimit = true;        // "時間制限をする"

    bool operator==(const SettingsChoice&) const = default;
};

}  // namespace torvane
