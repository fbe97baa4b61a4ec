#include "cli/Cli.h"

#include <iostream>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return kelvaron::cli::runCli(args, std::cout, std::cerr);
}
