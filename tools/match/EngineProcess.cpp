#include "EngineProcess.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace torvane::match {

namespace {

// How long a quitting engine may take before it is killed.
constexpr int kQuitWaitMs = 1000;

std::int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

EngineProcess::EngineProcess(const std::vector<std::string>& command) {
    if (command.empty()) throw std::runtime_error("empty engine command");
    int toChild[2], fromChild[2];
    if (pipe(toChild) != 0 || pipe(fromChild) != 0) throw std::runtime_error("pipe failed");
    std::vector<char*> argv;
    for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        dup2(toChild[0], STDIN_FILENO);
        dup2(fromChild[1], STDOUT_FILENO);
        close(toChild[1]);
        close(fromChild[0]);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(toChild[0]);
    close(fromChild[1]);
    toEngine_ = toChild[1];
    fromEngine_ = fromChild[0];
    signal(SIGPIPE, SIG_IGN);  // a crashed engine is reported as gone, not fatal
}

EngineProcess::~EngineProcess() {
    Send("quit");
    close(toEngine_);
    bool ended = false;
    for (std::int64_t end = NowMs() + kQuitWaitMs; !ended && NowMs() < end;) {
        std::string line;
        ended = !ReadLine(line, 10) && waitpid(pid_, nullptr, WNOHANG) == pid_;
    }
    if (!ended) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    close(fromEngine_);
}

void EngineProcess::Send(const std::string& line) {
    std::string text = line + "\n";
    for (std::size_t done = 0; done < text.size();) {
        ssize_t n = write(toEngine_, text.data() + done, text.size() - done);
        if (n <= 0) return;
        done += static_cast<std::size_t>(n);
    }
}

// One line from the engine (without its newline) within `timeoutMs`; false on timeout or end.
bool EngineProcess::ReadLine(std::string& line, int timeoutMs) {
    std::int64_t end = NowMs() + timeoutMs;
    while (true) {
        std::size_t newline = buffer_.find('\n');
        if (newline != std::string::npos) {
            line = buffer_.substr(0, newline);
            buffer_.erase(0, newline + 1);
            return true;
        }
        std::int64_t left = end - NowMs();
        if (left <= 0) return false;
        pollfd fd{fromEngine_, POLLIN, 0};
        if (poll(&fd, 1, static_cast<int>(left)) <= 0) continue;
        char chunk[4096];
        ssize_t n = read(fromEngine_, chunk, sizeof chunk);
        if (n <= 0) return false;
        buffer_.append(chunk, static_cast<std::size_t>(n));
    }
}

std::string EngineProcess::ReadUntil(const std::string& head, int timeoutMs) {
    std::int64_t end = NowMs() + timeoutMs;
    std::string line;
    while (ReadLine(line, static_cast<int>(std::max<std::int64_t>(0, end - NowMs()))))
        if (line.rfind(head, 0) == 0) return line;
    return "";
}

}  // namespace torvane::match
