#pragma once

#include <memory>

#include <QDialog>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>

#include "app/audio/MusicPlayer.h"
#include "app/audio/SoundEffects.h"
#include "app/dialogs/HelpWindow.h"
#include "app/editor/PositionEditor.h"
#include "app/socket/Socket.h"
#include "app/window/BoardView.h"
#include "app/window/ContactBox.h"
#include "app/window/DragController.h"
#include "app/window/HandView.h"
#include "app/window/Preferences.h"
#include "app/window/ScaledLayout.h"
#include "app/window/TexturePanel.h"
#include "game/ContactTicker.h"
#include "game/Game.h"
#include "net/NetSession.h"

namespace torvane {

class AccessibleEvents;
class ComputerPlayer;
class EngineProcess;
class HintMarks;
class KeyboardPlay;
class RecordWindow;

// The main window: board, hands, clocks, network panel, chat and menus. It owns the game,
// turns the player's presses, drops, menu commands and timer ticks into calls of the game's
// routines, and shows the game's state after each of them and before every modal box.
class Form1 : public QMainWindow, public Shell {
    Q_OBJECT
public:
    Form1();
    ~Form1() override;

    Game& game() { return game_; }
    NetSession& session() { return *session_; }
    BoardView* board() const { return Picture1; }
    HandView* hand(Hand h) const { return h == Hand::Image4 ? Picture3 : Picture2; }
    QAction* action(const QString& name) const { return actions_.value(name); }
    const DragController& drag() const { return *drag_; }
    EngineProcess* engine() const;
    const HintMarks* hintMarks() const { return hint_; }
    const KeyboardPlay* keyboard() const { return keys_; }
    const AccessibleEvents* accessibleEvents() const { return a11y_; }

    // The client area's size at the design's 15 twips to a pixel.
    static constexpr QSize kDesignSize{733, 477};
    // How many times the design size the controls are shown.
    double scale() const { return scale_; }
    // Sizes the window so that its client area is `scale` times the design size.
    void ResizeToScale(double scale);

    // Shows the game's state in the controls.
    void Render();

    // Shell
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    void PlaySound(int resourceId) override;
    void BeginDrag(DragArea area, int dragIcon) override;
    void EndDrag() override;
    void RepaintNow() override;

    const SoundEffects& sounds() const { return *sounds_; }
    const ContactTicker& ticker() const { return ticker_; }
    MusicPlayer& music() { return *MMControl1; }
    TexturePanel* client() const { return client_; }
    HelpWindow* helpWindow() const { return help_; }

    // Menu commands.
    void sutato_Click();
    void opusyonn_Click();
    void touryou_Click();
    void apuri_Click();
    void saii_Click();
    void teisi_Click();
    void sonotaa_Click();
    void sonota_Click();
    void booob_Click();
    void readme_Click();
    void pajyonn_Click();
    void suruu_Click();
    void matu_Click();
    void setudann_Click();
    void kopyuuta_Click();
    void konpyuta_Click();
    void hinto_Click();
    void kifuhyouji_Click();
    void matta_Click();
    void kifuhozon_Click();
    void kifuhiraku_Click();
    void kyokumen_Click();
    void kyokumenhenshuu_Click();
    void kaiseki_Click();

    // The move list window, once "棋譜を表示(&K)" has opened it.
    RecordWindow* recordWindow() const { return record_; }
    // The position after `ply` moves of the record is shown; -1 (or the number of moves) shows
    // the game.
    void ShowPly(int ply);
    int replayPly() const { return replayPly_; }
    // The position editor, once "局面編集(&E)…" has opened it.
    PositionEditor* positionEditor() const { return editor_; }
    // The position after `ply` moves of the record and then `moves` of another line is shown.
    void ShowVariation(int ply, const std::vector<RecordedMove>& moves);

signals:
    // The computer's move has been made on the board.
    void computerMoved();

public:
    // Timer handlers. `Timer3_Timer` runs the contact ticker for as many 10 ms ticks as have
    // passed since its last wake.
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer(int ticks = 1);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The close box asks "終了しますか?" like "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)".
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool ConfirmExit();
    void EndProgram();

    void BuildControls();
    void LayOutAt(double scale);
    void CentreStage();
    void ShowDrawnPictures();
    double InitialScale() const;
    void BuildMenus();
    QLabel* AddLabel(const QString& name, const QString& text, QWidget* parent, QRect rect,
                     qreal points, bool bold = false);
    HandCount* AddHandCount(const QString& name, QWidget* parent, QRect twips);
    TexturePanel* AddPanel(const QString& name, const QString& texture, QWidget* parent,
                           QRect twips);
    QAction* AddAction(QMenu* menu, const QString& name, const QString& caption);
    void AddSeparator(QMenu* menu, const QString& name);
    void BuildRecordMenu(QMenu* kifu);
    void AddShortcuts();
    void RenderRecord();
    void RenderPlaces();
    bool LeaveReplay();
    RecordPosition ShownPosition() const;
    bool SaveRecordAs(const GameRecord& record);
    bool UseSetUpPosition(PositionEditor::Use use, const BoardPosition& start);
    bool RefuseWhileEditing();
    void FollowShownPosition(const std::vector<RecordedMove>& variation);
    bool EngineFree() const;
    QString EngineBusyReason() const;

    void OnBoardPress(int cell, Qt::MouseButton button);
    void OnHandPress(Hand hand, int slot, Qt::MouseButton button);
    void OnRelease(QPoint globalPos);
    void OnDragLost();
    void WireKeyboard();
    void RenderMarker(QLabel* label, const std::string& text, Colour back);

    void ScheduleTicker();
    int FrameTicks() const;
    void RenderChatLog();
    void DropOldestChatLines(int keptLines);

    bool StartEngine();
    bool PlayAgainstComputer(const BoardPosition* setUp);
    bool StartComputerGame(const ComputerGameChoice& choice, const BoardPosition* setUp,
                           bool fromHere);
    void PlayComputerAgain();
    void OfferNextGame();
    void OnComputerMove(const EngineMove& move);
    void OnComputerResigns();
    void CancelComputerMove();
    void OnEngineFailed();
    void ShowHint(const EngineMove& move);
    void ClearHint();

    void WireNetwork();
    void OnBytesArrived(std::span<const std::uint8_t> bytes, ArrivalClock::time_point arrival);
    void OnTextQuiet();
    void WaitForTextEnd();
    void OnPeerGraceOver();
    void OnChatEnter();

    Game game_;
    DragController* drag_ = nullptr;
    KeyboardPlay* keys_ = nullptr;
    AccessibleEvents* a11y_ = nullptr;
    SoundEffects* sounds_ = nullptr;
    ContactTicker ticker_;
    int pendingTicks_ = 1;
    std::uint64_t shownAppended_ = 0, shownCleared_ = 0;  // the chat log `Text100` shows
    QHash<QString, QAction*> actions_;
    Preferences preferences_;
    MusicPlayer* MMControl1 = nullptr;
    QString helpFile_;
    HelpWindow* help_ = nullptr;
    double helpScale_ = 1.0;  // the scale help_ was made at
    bool exiting_ = false;
    bool nextGameOffered_ = false;        // the record's window offers the next game
    ComputerPlayer* computer_ = nullptr;  // the engine, started with the first request
    HintMarks* hint_ = nullptr;           // made with the first hint
    RecordWindow* record_ = nullptr;
    std::uint64_t shownHistory_ = 0;  // the version of the record last shown
    int replayPly_ = -1;              // the replayed position, -1 for the game's own
    bool shown_ = false;              // the window has been on the screen
    PlayState replayed_;
    PositionEditor* editor_ = nullptr;
    double editorScale_ = 0;  // the scale editor_ was made at

    ScaledLayout layout_;
    double scale_ = 0;  // until the constructor lays the controls out
    TexturePanel* client_ = nullptr;
    QWidget* stage_ = nullptr;
    QLabel* Picture5 = nullptr;
    BoardView* Picture1 = nullptr;
    HandView* Picture2 = nullptr;
    HandView* Picture3 = nullptr;
    ContactBox* Picture13 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    QLabel *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr;
    QLabel *Label14 = nullptr, *Label15 = nullptr, *Label16 = nullptr;
    QLabel* replayTag_ = nullptr;  // "再生中" beside the turn line while a position is replayed
    QLineEdit* Text1 = nullptr;
    QPlainTextEdit* Text100 = nullptr;
    QTimer Timer1, Timer2;
    QTimer Timer3{this};  // the contact ticker's, a child found in the window's object tree
    Socket* socket_ = nullptr;
    std::unique_ptr<NetSession> session_;  // made right after its socket
    QTimer textQuiet_;               // ends a received text once no bytes have come for a while
    QTimer peerGrace_;               // runs while the peer is overdue with its loss on time
    QPointer<QDialog> offerDialog_;  // the game offer's dialog while it is open
};

}  // namespace torvane
