// Who a SOAP client tells that its exchange ended without an answer.
#pragma once

class SOAPClientCallback {
public:
    virtual ~SOAPClientCallback() = default;

    // The exchange timed out or failed. Not called when it succeeded, nor
    // when no connection could be made.
    virtual void recieveEndCallback() = 0;
};
