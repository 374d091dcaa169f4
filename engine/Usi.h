#pragma once

#include <atomic>
#include <cstdint>
#include <iosfwd>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine/ParallelSearch.h"
#include "engine/Position.h"
#include "engine/Search.h"
#include "engine/TranspositionTable.h"

namespace torvane::engine {

// The USI protocol loop: reads commands line by line, answers line by line (each flushed),
// thinks on a worker thread so that `stop`, `isready` and `quit` are heard while it searches.
// Bad input is answered with an `info string` and changes nothing.
class Usi {
public:
    explicit Usi(std::ostream& out);
    ~Usi();
    Usi(const Usi&) = delete;
    Usi& operator=(const Usi&) = delete;

    // Until `quit` or the end of input; at the end of input a finite search is waited for.
    void Run(std::istream& in);
    // One command; false after `quit`.
    bool Handle(const std::string& line);

private:
    void Write(const std::string& line);
    void Identify();
    void SetOption(const std::vector<std::string>& words);
    void SetPosition(const std::vector<std::string>& words);
    void Go(const std::vector<std::string>& words);
    void GoPerft(const std::vector<std::string>& words);
    void StartSearch(const GoLimits& limits);
    void StopSearch();
    void WaitForSearch();

    std::ostream& out_;
    std::mutex outMutex_;
    Position position_;
    std::vector<std::uint64_t> history_;
    bool drops_ = false;
    int level_ = kMaxLevel;
    int multiPv_ = 1;
    TranspositionTable tt_;
    ParallelSearch search_;
    std::atomic<bool> stop_{false};
    std::thread worker_;
    bool infinite_ = false;
};

}  // namespace torvane::engine
