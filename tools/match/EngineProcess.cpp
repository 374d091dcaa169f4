#include "EngineProcess.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

namespace torvane::match {

EngineProcess::EngineProcess(const std::string& path) {
    int toChild[2], fromChild[2];
    if (pipe(toChild) != 0 || pipe(fromChild) != 0) throw std::runtime_error("pipe failed");
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        dup2(toChild[0], STDIN_FILENO);
        dup2(fromChild[1], STDOUT_FILENO);
        close(toChild[1]);
        close(fromChild[0]);
        execl(path.c_str(), path.c_str(), nullptr);
        _exit(127);
    }
    close(toChild[0]);
    close(fromChild[1]);
    toEngine_ = toChild[1];
    fromEngine_ = fdopen(fromChild[0], "r");
    signal(SIGPIPE, SIG_IGN);  // a crashed engine is reported as gone, not fatal
}

EngineProcess::~EngineProcess() {
    Send("quit");
    close(toEngine_);
    fclose(fromEngine_);
    waitpid(pid_, nullptr, 0);
}

void EngineProcess::Send(const std::string& line) {
    std::string text = line + "\n";
    for (std::size_t done = 0; done < text.size();) {
        ssize_t n = write(toEngine_, text.data() + done, text.size() - done);
        if (n <= 0) return;
        done += static_cast<std::size_t>(n);
    }
}

std::string EngineProcess::ReadUntil(const std::string& head) {
    std::string line;
    int ch;
    while ((ch = fgetc(fromEngine_)) != EOF) {
        if (ch != '\n') {
            line += static_cast<char>(ch);
            continue;
        }
        if (line.rfind(head, 0) == 0) return line;
        line.clear();
    }
    return "";
}

}  // namespace torvane::match
