// What the login-name filter is given as its context: the panel. The filter
// keeps the reference and asks nothing of it. A role of the panel, declared
// beside the panel class so that its declaration needs nothing from the
// folders whose operations it groups.
#pragma once

class LoginnameInputFilterCallback {
public:
    virtual ~LoginnameInputFilterCallback() = 0;

protected:
    LoginnameInputFilterCallback() = default;
    LoginnameInputFilterCallback(const LoginnameInputFilterCallback&) = default;
    LoginnameInputFilterCallback& operator=(const LoginnameInputFilterCallback&) = default;
};

// Pure, yet defined: the panel's destructor calls it.
inline LoginnameInputFilterCallback::~LoginnameInputFilterCallback() = default;
