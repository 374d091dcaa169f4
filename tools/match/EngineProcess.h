#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace torvane::match {

// An engine program run as a child process and spoken to in USI over two pipes. `command` is
// the program (looked up on PATH when it names no folder) and its arguments.
class EngineProcess {
public:
    explicit EngineProcess(const std::vector<std::string>& command);
    ~EngineProcess();
    EngineProcess(const EngineProcess&) = delete;
    EngineProcess& operator=(const EngineProcess&) = delete;

    void Send(const std::string& line);
    // Reads lines until one starts with `head` and returns it; empty when the engine is gone or
    // `timeoutMs` passed without such a line.
    std::string ReadUntil(const std::string& head, int timeoutMs);

private:
    bool ReadLine(std::string& line, int timeoutMs);

    pid_t pid_ = -1;
    int toEngine_ = -1;
    int fromEngine_ = -1;
    std::string buffer_;
};

}  // namespace torvane::match
