#include "app/engine/ComputerPlayer.h"

#include "record/RecordPosition.h"

namespace torvane {

namespace {

// A sound move, found in well under a second.
const EngineStrength kAdvice = StrengthOfLevel(8, kTopLevelSeconds[0]);

// The game as the engine is to see it: the position the record starts from and every move
// since, so that it knows which positions were already reached. When the record does not lead
// to the board as it stands, the board alone.
EngineLine GameLine(const Game& game) {
    RecordPosition replay(game.History().header().start);
    EngineLine line{replay.Sfen(), {}};
    for (const MoveHistory::Entry& entry : game.History().entries()) {
        RecordedMove move = entry.move;
        if (replay.Play(move, game.DropsAllowed())) return {EnginePosition(game), {}};
        line.moves.push_back(EngineMoveText({move.IsDrop(), move.from, move.to, move.kind}, false));
    }
    if (replay.Sfen() != EnginePosition(game)) return {EnginePosition(game), {}};
    return line;
}

}  // namespace

ComputerPlayer::ComputerPlayer(const Game& game, QObject* parent) : QObject(parent), game_(game) {}

bool ComputerPlayer::Start() {
    if (!engine_) {
        engine_ = new EngineProcess(this);
        connect(engine_, &EngineProcess::bestMove, this, &ComputerPlayer::OnBestMove);
        connect(engine_, &EngineProcess::failed, this, &ComputerPlayer::OnFailed);
    }
    return engine_->Start();
}

void ComputerPlayer::NewGame(const EngineStrength& strength) {
    strength_ = strength;
    if (engine_) engine_->NewGame();
}

void ComputerPlayer::YourTurn() {
    if (!engine_ || moveTag_ != 0 || !game_.ComputerMayMove()) return;
    turned_ = game_.LocalSide() == Side::Gote;
    moveTag_ = engine_->Go(GameLine(game_), strength_, game_.DropsAllowed());
}

void ComputerPlayer::Cancel() {
    if (moveTag_ == 0) return;
    moveTag_ = 0;
    engine_->Stop();
}

// The advice sees the whole game too, so that it does not steer into a repetition.
void ComputerPlayer::Advise() {
    if (!engine_ || adviceTag_ != 0) return;
    turned_ = game_.LocalSide() == Side::Gote;
    adviceTag_ = engine_->Go(GameLine(game_), kAdvice, game_.DropsAllowed());
}

void ComputerPlayer::OnBestMove(int tag, const QString& text) {
    const bool advice = tag == adviceTag_;
    if (!advice && tag != moveTag_) return;
    (advice ? adviceTag_ : moveTag_) = 0;
    if (!advice && text == "resign") return emit resigned();
    // Text that is no move is dropped: the computer's turn waits, as for a move the rules
    // refuse.
    auto move = ParseEngineMove(text.toStdString(), turned_);
    if (!move) return;
    advice ? emit advised(*move) : emit moved(*move);
}

void ComputerPlayer::OnFailed() {
    moveTag_ = adviceTag_ = 0;
    emit failed();
}

}  // namespace torvane
