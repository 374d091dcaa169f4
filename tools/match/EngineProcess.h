#pragma once

#include <sys/types.h>

#include <cstdio>
#include <string>

namespace torvane::match {

// An engine program run as a child process and spoken to in USI over two pipes.
class EngineProcess {
public:
    explicit EngineProcess(const std::string& path);
    ~EngineProcess();
    EngineProcess(const EngineProcess&) = delete;
    EngineProcess& operator=(const EngineProcess&) = delete;

    void Send(const std::string& line);
    // Reads lines until one starts with `head` and returns it; empty when the engine is gone.
    std::string ReadUntil(const std::string& head);

private:
    pid_t pid_ = -1;
    int toEngine_ = -1;
    FILE* fromEngine_ = nullptr;
};

}  // namespace torvane::match
