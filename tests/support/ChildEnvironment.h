// What a child program of a test is started with: this process's
// environment with some variables replaced, and the argument vectors that
// exec takes (made before a fork, where the child may no longer allocate).
#pragma once

#include <map>
#include <string>
#include <vector>

// Every variable of this process's environment as "NAME=value", those named
// in `overrides` replaced by (or added with) their given values.
std::vector<std::string> environmentWith(const std::map<std::string, std::string>& overrides);

// Pointers into `texts`, ended by a null pointer; valid while `texts` lives
// unchanged.
std::vector<char*> pointersTo(std::vector<std::string>& texts);
