#include <csignal>
#include <iostream>

#include "batch.h"

int main(int argc, char** argv) {
    // A reader that goes away is a failed write, reported like a full disk, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
    std::ios::sync_with_stdio(false);
    std::vector<std::string> argumente(argv + 1, argv + argc);
    return quintor::Batchlauf(argumente, std::cout, std::cerr);
}
