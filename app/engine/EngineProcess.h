#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "app/engine/EngineStrength.h"

namespace torvane {

// A position for the engine: a position string and the moves played from it (USI notation).
struct EngineLine {
    std::string start;
    std::vector<std::string> moves;
};

// `setoption` names and values, in the order they are sent.
using EngineOptions = std::vector<std::pair<QString, QString>>;

// The computer opponent: the program `torvane-engine` as a child process, spoken to in USI
// and read asynchronously, so the window stays alive while it thinks. Started once and kept
// for the run; every `go` is tagged, so that the caller can tell a stale `bestmove` (one that
// answers an abandoned request) from the one it waits for.
class EngineProcess : public QObject {
    Q_OBJECT
public:
    explicit EngineProcess(QObject* parent = nullptr);
    ~EngineProcess() override;

    // `torvane-engine` beside this program, else the file named by TORVANE_ENGINE, else on
    // PATH; empty when there is none.
    static QString Locate();

    // Starts the program when it is not running; false when it cannot be started.
    bool Start();
    bool Running() const { return process_.state() == QProcess::Running; }
    qint64 processId() const { return process_.processId(); }

    void NewGame();
    // Asks for a move at the end of `line`, played with `strength`; returns the tag that
    // `bestMove` will carry.
    int Go(const EngineLine& line, const EngineStrength& strength, bool drops);
    // Sends `options`, the position `line` and `go <limits>` (e.g. "depth 8 movetime 300",
    // "infinite"); returns the tag that its `info` lines and `bestMove` will carry.
    int Think(const EngineLine& line, const EngineOptions& options, const QString& limits);
    // The same for a position string without the moves that led to it.
    int Go(const std::string& position, const EngineStrength& strength, bool drops) {
        return Go(EngineLine{position, {}}, strength, drops);
    }
    // Ends the running search early; its `bestmove` still comes, with its own tag.
    void Stop();

signals:
    void bestMove(int tag, const QString& move);
    // A line of what the search of `tag` found so far (`info depth …`; not `info string`).
    void info(int tag, const QString& line);
    // The program could not be started, did not answer or died.
    void failed();

private:
    void Write(const QString& line);
    void ReadLines();
    void OnLine(const QString& line);
    void Fail();

    QProcess process_;
    QTimer handshake_;       // the time `usiok` and `readyok` may take
    std::deque<int> asked_;  // tags of the searches not answered yet, oldest first
    int nextTag_ = 1;
    bool quitting_ = false;
};

}  // namespace torvane
