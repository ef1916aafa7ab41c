// The parties the panel deals with, as the panel knows them: the host
// callback object that the dialog gives it, and the roles it plays for the
// objects it makes (the login-name filter's context, the SOAP client's
// callback). Each role is declared here, beside the panel class, so that
// the panel's declaration needs nothing from the folders whose operations
// use it.
#pragma once

#include "platform/core/PrintDialogPlugIn.h"

using NelvoPrintPdeZlm420kJCPDEPluginCallback = PDEPluginCallback;

// What the login-name filter is given as its context: the panel. The filter
// keeps the reference and asks nothing of it.
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

// Who a SOAP client tells that its exchange ended without an answer.
class SOAPClientCallback {
public:
    virtual ~SOAPClientCallback() = default;

    // The exchange timed out or failed. Not called when it succeeded, nor
    // when no connection could be made.
    virtual void recieveEndCallback() = 0;
};
