// nelvo-job-filter: the CUPS filter that writes the device's job ticket.
#include <unistd.h>

#include <iostream>

#include "filter/JobFilter.h"

int main(int argc, char** argv) {
    return runJobFilter(std::vector<std::string>(argv + 1, argv + argc), STDIN_FILENO, STDOUT_FILENO, std::cerr);
}
