// The device's answer to the folder-list request, as the simulator sends it.
#pragma once

#include <string>
#include <vector>

struct SimulatedFolder {
    std::string name;
    bool password = false;
    bool dir = false;
};

// A SOAP envelope whose body holds the list-files answer: "result-code"
// `resultCode`, then "files" with one "file" entry per folder, each with
// "name", "password" and "dir". `pretty` indents it, as some firmware does.
std::string folderListAnswer(const std::vector<SimulatedFolder>& folders, const std::string& resultCode = "ok",
                             bool pretty = false);
