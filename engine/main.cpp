#include <iostream>

#include "engine/Usi.h"

// The computer opponent as a USI program on standard input and output.
int main() {
    torvane::engine::Usi usi(std::cout);
    usi.Run(std::cin);
    return 0;
}
