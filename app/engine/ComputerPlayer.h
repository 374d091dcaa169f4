#pragma once

#include <QObject>
#include <QString>

#include "app/engine/EngineProcess.h"
#include "game/EnginePosition.h"
#include "game/Game.h"

namespace torvane {

// The computer across the board, and the engine's advice to the player: one engine process,
// started with the first request, and the requests whose answers are awaited. It sits across
// the board of `game` in a game against the computer and thinks when the game says it is to
// move. An answer to a request that was abandoned (a new game, a take-back, a hint made stale)
// is dropped here, so the window only ever hears the answers it still wants.
class ComputerPlayer : public QObject, public PlayerAcross {
    Q_OBJECT
public:
    ComputerPlayer(const Game& game, QObject* parent);

    // Starts the engine when it is not running; false when it cannot be started.
    bool Start();
    // A new game played with `strength`, until the next one.
    void NewGame(const EngineStrength& strength);

    // What the game tells the computer. On its turn it asks for its move, when no move is
    // awaited; the player's resignation or loss on time abandons it.
    void LocalMoved(const Move&) override {}
    void YourTurn() override;
    void LocalResigned() override { Cancel(); }
    void LocalOutOfTime() override { Cancel(); }
    bool Thinking() const { return moveTag_ != 0; }
    // Abandons the awaited move: the engine stops, and its answer is dropped.
    void Cancel();

    // Asks for a move of the side to move, for the player; `Forget` drops it.
    void Advise();
    bool Advising() const { return adviceTag_ != 0; }
    void Forget() { adviceTag_ = 0; }

    // The engine process, once started.
    EngineProcess* engine() const { return engine_; }

signals:
    // The computer's move, in the local view, or its resignation.
    void moved(const EngineMove& move);
    void resigned();
    // The advice asked for with `Advise`.
    void advised(const EngineMove& move);
    // The engine died or did not answer; whatever was awaited is abandoned.
    void failed();

private:
    void OnBestMove(int tag, const QString& text);
    void OnFailed();

    const Game& game_;
    EngineProcess* engine_ = nullptr;
    bool turned_ = false;  // the board of the awaited answer is turned for a Gote player
    EngineStrength strength_ = StrengthOfLevel(1, kTopLevelSeconds[0]);
    int moveTag_ = 0;    // the request of the computer's move; 0 for none
    int adviceTag_ = 0;  // the same for advice
};

}  // namespace torvane
