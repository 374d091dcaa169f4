#include "app/engine/EngineProcess.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace torvane {

namespace {

constexpr int kHandshakeMs = 10000;
constexpr int kQuitWaitMs = 500;

bool IsProgram(const QString& path) {
    QFileInfo info(path);
    return !path.isEmpty() && info.isFile() && info.isExecutable();
}

}  // namespace

EngineProcess::EngineProcess(QObject* parent) : QObject(parent) {
    handshake_.setSingleShot(true);
    handshake_.setInterval(kHandshakeMs);
    connect(&handshake_, &QTimer::timeout, this, &EngineProcess::Fail);
    connect(&process_, &QProcess::readyReadStandardOutput, this, &EngineProcess::ReadLines);
    connect(&process_, &QProcess::finished, this, [this] {
        if (!quitting_) Fail();
    });
}

// `quit`, a short wait for the program to end by itself, then kill.
EngineProcess::~EngineProcess() {
    if (!Running()) return;
    quitting_ = true;
    Write("quit");
    if (!process_.waitForFinished(kQuitWaitMs)) {
        process_.kill();
        process_.waitForFinished(kQuitWaitMs);
    }
}

QString EngineProcess::Locate() {
    QString beside = QCoreApplication::applicationDirPath() + "/torvane-engine";
    if (IsProgram(beside)) return beside;
    QString fromEnvironment = qEnvironmentVariable("TORVANE_ENGINE");
    if (IsProgram(fromEnvironment)) return fromEnvironment;
    return QStandardPaths::findExecutable("torvane-engine");
}

bool EngineProcess::Start() {
    if (Running()) return true;
    const QString program = Locate();
    if (program.isEmpty()) return false;
    quitting_ = false;
    asked_.clear();
    process_.start(program, {});
    if (!process_.waitForStarted()) return false;
    Write("usi");
    Write("isready");
    handshake_.start();
    return true;
}

void EngineProcess::NewGame() {
    Write("usinewgame");
}

int EngineProcess::Go(const EngineLine& line, const EngineStrength& strength, bool drops) {
    return Think(line,
                 {{"Level", QString::number(strength.level)},
                  {"Threads", QString::number(strength.threads)},
                  {"CapturedPieces", drops ? "true" : "false"}},
                 QString("byoyomi %1").arg(strength.moveMs));
}

int EngineProcess::Think(const EngineLine& line, const EngineOptions& options,
                         const QString& limits) {
    for (const auto& [name, value] : options)
        Write(QString("setoption name %1 value %2").arg(name, value));
    QString position = "position sfen " + QString::fromStdString(line.start);
    if (!line.moves.empty()) position += " moves";
    for (const std::string& move : line.moves) position += " " + QString::fromStdString(move);
    Write(position);
    Write("go " + limits);
    asked_.push_back(nextTag_);
    return nextTag_++;
}

void EngineProcess::Stop() {
    if (!asked_.empty()) Write("stop");
}

void EngineProcess::Write(const QString& line) {
    if (Running()) process_.write((line + '\n').toUtf8());
}

void EngineProcess::ReadLines() {
    while (process_.canReadLine()) OnLine(QString::fromUtf8(process_.readLine()).trimmed());
}

// `readyok` ends the handshake; `bestmove` answers the oldest request, and `info` lines report
// on it. Any other line (`info string`, id, option, or garbage) is ignored.
void EngineProcess::OnLine(const QString& line) {
    if (line == "readyok") return handshake_.stop();
    const QStringList words = line.split(' ', Qt::SkipEmptyParts);
    if (words.size() > 1 && words[0] == "info" && words[1] != "string" && !asked_.empty())
        return emit info(asked_.front(), line);
    if (words.size() < 2 || words[0] != "bestmove" || asked_.empty()) return;
    const int tag = asked_.front();
    asked_.pop_front();
    emit bestMove(tag, words[1]);
}

void EngineProcess::Fail() {
    handshake_.stop();
    asked_.clear();
    quitting_ = true;
    if (Running()) process_.kill();
    emit failed();
}

}  // namespace torvane
