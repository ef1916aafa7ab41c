// What went wrong in a platform operation: the error's domain, its code in
// that domain and a text for people.
#pragma once

#include <string>

struct NSError {
    std::string domain;
    long code = 0;
    std::string localizedDescription;
};
