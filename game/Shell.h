#pragma once

#include <string>

namespace torvane {

// Where the pointer is held while a piece is dragged: the board for a board piece, the whole
// main window for a piece taken from a hand.
enum class DragArea { Board, Window };

// The effects only a window can have: boxes, sounds, the drag pointer and repaints. The main
// window implements it; tests script it. Bytes for the peer go through the network session.
class Shell {
public:
    virtual ~Shell() = default;

    // A modal box titled "Torvane" with an OK button; returns when it is closed.
    virtual void ShowMessage(const std::string& text) = 0;
    // A modal Yes/No question with the question icon; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    // Plays a built-in sound effect (101 move, 102 chat, 103 the clock's warning)
    // asynchronously.
    virtual void PlaySound(int resourceId) = 0;
    // Starts a drag: the pointer shows `dragIcon` and cannot leave `area`.
    virtual void BeginDrag(DragArea area, int dragIcon) = 0;
    // Ends the drag: the pointer is normal and free again.
    virtual void EndDrag() = 0;
    // Shows the current state at once (used while a move is half made, after its sound).
    virtual void RepaintNow() = 0;
};

}  // namespace torvane
