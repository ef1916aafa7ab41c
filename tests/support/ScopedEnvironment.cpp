#include "tests/support/ScopedEnvironment.h"

#include <clocale>
#include <cstdlib>
#include <ctime>

namespace {

void setVariable(const std::string& name, const std::optional<std::string>& value) {
    if (value)
        setenv(name.c_str(), value->c_str(), 1);
    else
        unsetenv(name.c_str());
    // The C library reads TZ only when told to.
    if (name == "TZ") tzset();
}

}  // namespace

ScopedEnvironmentVariable::ScopedEnvironmentVariable(std::string name, const std::optional<std::string>& value)
    : name_(std::move(name)) {
    if (const char* previous = std::getenv(name_.c_str())) previous_ = previous;
    setVariable(name_, value);
}

ScopedEnvironmentVariable::~ScopedEnvironmentVariable() {
    setVariable(name_, previous_);
}

ScopedLocale::ScopedLocale(int category, const char* name)
    : category_(category), previous_(std::setlocale(category, nullptr)) {
    selected_ = std::setlocale(category, name) != nullptr;
}

ScopedLocale::~ScopedLocale() {
    std::setlocale(category_, previous_.c_str());
}
