// Changes of the process environment that last while a test holds them:
// an environment variable, and the C library's locale of one category.
#pragma once

#include <optional>
#include <string>

class ScopedEnvironmentVariable {
public:
    // Sets `name` to `value`, or removes it when the value is none.
    ScopedEnvironmentVariable(std::string name, const std::optional<std::string>& value);
    ~ScopedEnvironmentVariable();
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

private:
    std::string name_;
    std::optional<std::string> previous_;
};

class ScopedLocale {
public:
    // Selects locale `name` for `category` (as setlocale does).
    ScopedLocale(int category, const char* name);
    ~ScopedLocale();
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

    // Whether the locale could be selected (it may not be generated).
    bool selected() const { return selected_; }

private:
    int category_;
    std::string previous_;
    bool selected_;
};
