// One line of a print-dialog script taken apart: its words, and the text
// after a word (the text a command types may hold any spaces).
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "host/InputText.h"

namespace host {

struct ScriptCommand {
    std::string line;
    std::vector<std::string> words;

    explicit ScriptCommand(std::string text) : line(std::move(text)) {
        std::istringstream in(line);
        for (std::string word; in >> word;)
            words.push_back(word);
    }

    const std::string& verb() const { return words.front(); }

    void expectArguments(size_t count, const char* usage) const {
        if (words.size() != count + 1) throw UsageError(std::string("usage: ") + usage);
    }

    // The rest of the line after the first `count` words and the one space
    // that follows them.
    std::string restAfterWords(size_t count) const {
        size_t position = 0;
        for (size_t word = 0; word < count; ++word) {
            position = line.find_first_not_of(" \t", position);
            position = line.find_first_of(" \t", position);
        }
        if (position == std::string::npos) return {};
        return line.substr(position + 1);
    }
};

}  // namespace host
