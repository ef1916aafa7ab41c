// What the login-name filter is given as its context: the panel. The filter
// keeps the reference and asks nothing of it.
#pragma once

class LoginnameInputFilterCallback {
public:
    virtual ~LoginnameInputFilterCallback() = 0;

protected:
    LoginnameInputFilterCallback() = default;
    LoginnameInputFilterCallback(const LoginnameInputFilterCallback&) = default;
    LoginnameInputFilterCallback& operator=(const LoginnameInputFilterCallback&) = default;
};
