#include <iostream>

#include "batch.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> argumente(argv + 1, argv + argc);
    const int status = quintor::Batchlauf(argumente, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
