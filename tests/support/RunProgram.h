// Running a program as a test's child process: no shell, the given text on
// its standard input, both outputs collected.
#pragma once

#include <map>
#include <string>
#include <vector>

struct ProgramResult {
    int exitStatus = -1;  // the exit status, or 128 + the signal that ended it
    std::string out;
    std::string err;
};

// Runs argv[0] (a path) with the arguments argv, the test's environment with
// `extraEnv` laid over it, and `stdinText` as its whole standard input.
// Throws std::runtime_error when the program cannot be started.
ProgramResult runProgram(const std::vector<std::string>& argv, const std::string& stdinText = {},
                         const std::map<std::string, std::string>& extraEnv = {});
