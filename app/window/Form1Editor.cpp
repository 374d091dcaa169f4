#include "app/dialogs/DialogScale.h"
#include "app/window/Form1.h"

namespace torvane {

// "局面編集(&E)…": the editor opens on the position the board shows, at the window's scale; it
// is made again when the scale has changed since, unless it is open.
void Form1::kyokumenhenshuu_Click() {
    if (!editor_ || (editorScale_ != scale_ && !editor_->isVisible())) {
        delete editor_;
        editor_ =
            new PositionEditor(this, [this](PositionEditor::Use use, const BoardPosition& start) {
                return UseSetUpPosition(use, start);
            });
        ScaleDialog(*editor_, scale_);
        editorScale_ = scale_;
    }
    if (!editor_->isVisible()) editor_->Load(ShownPosition().Position());
    editor_->show();
    editor_->raise();
    editor_->activateWindow();
}

// A record that starts from `start` is saved, or shown to study as a record is opened; a game
// starts from it at one computer or against the computer. A game in progress is given up
// only when the player agrees.
bool Form1::UseSetUpPosition(PositionEditor::Use use, const BoardPosition& start) {
    GameRecord record;
    record.header.start = start;
    record.header.capturedPiecesUsed = game_.DropsAllowed();
    record.header.timeLimitOn = game_.SettingsOnLoad().timeLimit;
    if (use == PositionEditor::Use::Save) return SaveRecordAs(record);
    if (game_.MayPlayOn() && !AskYesNo("対局中のゲームをやめて、この局面にしますか?")) return false;
    if (use == PositionEditor::Use::PlayComputer) return PlayAgainstComputer(&start);
    CancelComputerMove();
    ClearHint();
    if (use == PositionEditor::Use::PlayHere)
        game_.StartFromPosition(start);
    else
        game_.LoadRecord(record);
    Render();
    if (use == PositionEditor::Use::Study) kifuhyouji_Click();
    return true;
}

// Network play and the editor exclude each other: connecting waits until the editor is
// closed, so that the position set up there is not lost.
bool Form1::RefuseWhileEditing() {
    if (!editor_ || !editor_->isVisible()) return false;
    ShowMessage("局面編集を閉じてから接続してください");
    return true;
}

}  // namespace torvane
