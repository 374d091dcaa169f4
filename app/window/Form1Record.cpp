#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QSaveFile>

#include "app/dialogs/DialogScale.h"
#include "app/dialogs/FileDialogs.h"
#include "app/dialogs/RecordWindow.h"
#include "app/engine/ComputerPlayer.h"
#include "app/window/Form1.h"
#include "record/RecordPosition.h"

namespace torvane {

namespace {

const QString kRecordFilter = "棋譜ファイル (*.kifu *.kif);;すべてのファイル (*)";

// A record keeps cells as Sente sees them; a board turned for Gote shows them turned.
int LocalCell(int cell, bool turned) {
    return cell < 0 ? cell : TurnedCell(cell, turned);
}

// The position after the first `ply` moves of the game, from the position it started from;
// every move may drop, since the game has checked its moves.
RecordPosition PositionAfter(const MoveHistory& history, int ply) {
    RecordPosition position(history.header().start);
    for (int i = 0; i < ply; ++i) {
        RecordedMove move = history.entries()[static_cast<size_t>(i)].move;
        position.Play(move, true);
    }
    return position;
}

QString RecordErrorText(const RecordError& error) {
    QString text = "棋譜を読み込めません。\n";
    if (error.line > 0) text += QString("%1行目: ").arg(error.line);
    return text + QString::fromStdString(error.message);
}

}  // namespace

void Form1::BuildRecordMenu(QMenu* kifu) {
    connect(AddAction(kifu, "kifuhyouji", "棋譜を表示(&K)"), &QAction::triggered, this,
            &Form1::kifuhyouji_Click);
    connect(AddAction(kifu, "matta", "待った(&U)"), &QAction::triggered, this, &Form1::matta_Click);
    AddSeparator(kifu, "kifukugiri");
    connect(AddAction(kifu, "kifuhozon", "棋譜の保存(&S)…"), &QAction::triggered, this,
            &Form1::kifuhozon_Click);
    connect(AddAction(kifu, "kifuhiraku", "棋譜を開く(&O)…"), &QAction::triggered, this,
            &Form1::kifuhiraku_Click);
    AddSeparator(kifu, "kifukugiri2");
    connect(AddAction(kifu, "kyokumen", "局面をコピー(&C)"), &QAction::triggered, this,
            &Form1::kyokumen_Click);
    AddSeparator(kifu, "kifukugiri3");
    QAction* coordinates = AddAction(kifu, "zahyou", "座標を表示(&Z)");
    coordinates->setCheckable(true);
    coordinates->setChecked(Picture1->CoordinatesShown());
    connect(coordinates, &QAction::toggled, this, [this](bool shown) {
        Picture1->ShowCoordinates(shown);
        preferences_.KeepCoordinates(shown);
    });
    AddSeparator(kifu, "kifukugiri4");
    connect(AddAction(kifu, "kyokumenhenshuu", "局面編集(&E)…"), &QAction::triggered, this,
            &Form1::kyokumenhenshuu_Click);
    connect(AddAction(kifu, "kaiseki", "解析(&A)"), &QAction::triggered, this,
            &Form1::kaiseki_Click);
}

void Form1::kifuhyouji_Click() {
    if (!record_) {
        record_ = new RecordWindow(this);
        ScaleDialog(*record_, scale_);
        connect(record_, &RecordWindow::plyChosen, this, &Form1::ShowPly);
        connect(record_, &RecordWindow::variationChosen, this, &Form1::ShowVariation);
        connect(record_, &RecordWindow::anotherGameAsked, this, &Form1::PlayComputerAgain);
        record_->ShowHistory(game_.History());
        record_->AllowEngine(EngineFree(), EngineBusyReason());
        FollowShownPosition({});
    }
    record_->show();
    record_->raise();
}

// "待った(&U)": the engine is idle then (the player is to move), but a hint may be on its way.
void Form1::matta_Click() {
    if (!game_.MayTakeBack()) return;
    ClearHint();
    game_.TakeBack();
    Render();
}

// The game's record, with the analysis of the record's window when it has one.
void Form1::kifuhozon_Click() {
    GameRecord record = game_.History().ToRecord();
    if (record_) record.analysis = record_->Analysis();
    SaveRecordAs(record);
}

// True once `record` is written to the file the player chose.
bool Form1::SaveRecordAs(const GameRecord& record) {
    const QString path = AskSaveFileName(this, "棋譜の保存", kRecordFilter, "kifu", scale_,
                                         preferences_.Folder("record"));
    if (path.isEmpty()) return false;
    preferences_.KeepFolderOf("record", path);
    QSaveFile file(path);
    const std::string text = WriteRecord(record);
    if (file.open(QIODevice::WriteOnly) &&
        file.write(text.data(), static_cast<qint64>(text.size())) ==
            static_cast<qint64>(text.size()) &&
        file.commit())
        return true;
    ShowMessage("棋譜を保存できません。\n" + file.errorString().toStdString());
    return false;
}

// A file is read whole only when it is small enough to be a record; a refused file leaves the
// game as it was, and a game still in progress is given up only when the player agrees.
void Form1::kifuhiraku_Click() {
    const QString path =
        AskOpenFileName(this, "棋譜を開く", kRecordFilter, scale_, preferences_.Folder("record"));
    if (path.isEmpty()) return;
    preferences_.KeepFolderOf("record", path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ShowMessage("棋譜を開けません。\n" + file.errorString().toStdString());
    const QByteArray bytes = file.read(static_cast<qint64>(kMaxRecordBytes) + 1);
    const bool shiftJis = QFileInfo(path).suffix().compare("kif", Qt::CaseInsensitive) == 0;
    auto read = ReadRecord(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                           shiftJis ? RecordEncoding::ShiftJis : RecordEncoding::Utf8);
    if (auto* error = std::get_if<RecordError>(&read))
        return ShowMessage(RecordErrorText(*error).toStdString());
    if (game_.MayPlayOn() && !AskYesNo("対局中のゲームをやめて、棋譜を開きますか?")) return;
    CancelComputerMove();
    ClearHint();
    game_.LoadRecord(std::get<GameRecord>(read));
    Render();
    kifuhyouji_Click();
    record_->SetAnalysis(std::get<GameRecord>(read).analysis);
}

// "解析(&A)": the record's window shows the analysis as it comes.
void Form1::kaiseki_Click() {
    if (!EngineFree()) return;
    kifuhyouji_Click();
    record_->Analyse();
}

// The engine teaches only while no game against the computer or over the network runs: those
// need the machine's time and the board.
bool Form1::EngineFree() const {
    return !game_.AgainstComputer() && !game_.NetworkGameRuns();
}

QString Form1::EngineBusyReason() const {
    return game_.NetworkGameRuns() ? "ネット対局が始まった" : "コンピュータとの対局が始まった";
}

void Form1::kyokumen_Click() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(ShownPosition().Sfen()));
}

// The position on the board, the one replayed included.
RecordPosition Form1::ShownPosition() const {
    const int moves = static_cast<int>(game_.History().entries().size());
    return PositionAfter(game_.History(), replayPly_ < 0 ? moves : replayPly_);
}

// The position after `ply` moves; the last one is the game itself.
void Form1::ShowPly(int ply) {
    const int shownBefore = replayPly_;
    const auto& entries = game_.History().entries();
    const bool turned = game_.LocalSide() == Side::Gote;
    if (ply < 0 || ply >= static_cast<int>(entries.size())) {
        replayPly_ = -1;
        Picture1->ShowReplay(nullptr);
        Picture2->ShowReplay(nullptr);
        Picture3->ShowReplay(nullptr);
    } else {
        replayPly_ = ply;
        replayed_ = entries[static_cast<size_t>(ply)].before;
        Picture1->ShowReplay(&replayed_.board);
        Picture2->ShowReplay(&replayed_.topHand);
        Picture3->ShowReplay(&replayed_.bottomHand);
    }
    replayTag_->setVisible(replayPly_ >= 0);
    RenderPlaces();
    if (replayPly_ != shownBefore) ClearHint();
    const int shown = replayPly_ < 0 ? static_cast<int>(entries.size()) : replayPly_;
    FollowShownPosition({});
    if (shown == 0) return Picture1->MarkLastMove(-1, -1);
    const RecordedMove& last = entries[static_cast<size_t>(shown - 1)].move;
    Picture1->MarkLastMove(LocalCell(last.from, turned), LocalCell(last.to, turned));
}

// The position after `ply` moves of the game and then `moves` of the engine's line, shown as a
// replay; a press on the board returns to the game.
void Form1::ShowVariation(int ply, const std::vector<RecordedMove>& moves) {
    if (moves.empty() || ply < 0 || ply > static_cast<int>(game_.History().entries().size()))
        return;
    RecordPosition position = PositionAfter(game_.History(), ply);
    for (RecordedMove move : moves) position.Play(move, true);
    ClearHint();
    replayPly_ = ply;
    replayed_ = game_.StateOf(position, false);
    Picture1->ShowReplay(&replayed_.board);
    Picture2->ShowReplay(&replayed_.topHand);
    Picture3->ShowReplay(&replayed_.bottomHand);
    const bool turned = game_.LocalSide() == Side::Gote;
    Picture1->MarkLastMove(LocalCell(moves.back().from, turned),
                           LocalCell(moves.back().to, turned));
    FollowShownPosition(moves);
}

// The study follows the position on the board: the game's, a replayed one, or one of the
// engine's line.
void Form1::FollowShownPosition(const std::vector<RecordedMove>& variation) {
    if (!record_) return;
    const int moves = static_cast<int>(game_.History().entries().size());
    record_->ShowingPosition(replayPly_ < 0 ? moves : replayPly_, variation);
}

// A change of the game's record (a move, a take-back, a new game) ends a replay. A game that
// needs the engine or the board stops the study and the analysis first.
void Form1::RenderRecord() {
    if (record_) record_->AllowEngine(EngineFree(), EngineBusyReason());
    const MoveHistory& history = game_.History();
    if (shownHistory_ != history.version()) {
        shownHistory_ = history.version();
        if (record_) record_->ShowHistory(history);
        ShowPly(-1);
    }
    OfferNextGame();
    actions_.value("matta")->setEnabled(game_.MayTakeBack() && !computer_->Thinking());
    actions_.value("kifuhiraku")->setEnabled(!game_.NetworkMode());
    actions_.value("kyokumenhenshuu")->setEnabled(!game_.NetworkMode());
    actions_.value("kaiseki")->setEnabled(EngineFree());
}

// A press on the board or a hand while a past position is shown only returns to the game.
bool Form1::LeaveReplay() {
    if (replayPly_ < 0) return false;
    if (record_) record_->SelectPly(record_->Plies());
    ShowPly(-1);
    return true;
}

}  // namespace torvane
