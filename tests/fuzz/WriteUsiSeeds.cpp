// Writes the USI fuzzer's seeds into the directory given as the argument: command lines as the
// window sends them, and positions with hands and moves.
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const char* seeds[] = {
        "usi\nisready\nsetoption name Level value 3\nposition startpos moves 5f5e 5d5e\ngo "
        "btime 1000 wtime 1000 byoyomi 100\n",
        "setoption name CapturedPieces value true\nposition sfen "
        "cwprerpwb/4l4/1t5t1/d1d1d1d1d/9/D1D1D1D1D/1T5T1/4L4/BWPRERPWC b 2Dr 7 moves D*5e\ngo "
        "depth 2\n",
        "position sfen 4e4/9/4r4/9/9/9/4R4/9/4E4 w - 1\ngo nodes 500 movetime 50\ngo perft 2\n",
        "position startpos moves 1f1e 9d9e\ngo depth -3 nodes x movetime 99999999999999999999\n",
    };
    int n = 0;
    for (const char* seed : seeds)
        std::ofstream(std::string(argv[1]) + "/usi" + std::to_string(n++)) << seed;
}
