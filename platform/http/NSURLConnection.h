// An asynchronous HTTP exchange on the calling thread's run loop.
//
// The connection starts when it is made. Its delegate hears, on the thread
// that made it and while that thread runs its run loop: the response (a
// redirect that is followed gives none), the body in pieces, then either the
// end of loading or a failure, and nothing after that or after `cancel`.
// Redirects are followed to http and https only, ten at most. The delegate
// may cancel the connection or let it go from inside any of its calls.
#pragma once

#include <memory>

#include "platform/core/CoreTypes.h"
#include "platform/http/URLMessages.h"

class NSURLConnection;

class NSURLConnectionDelegate {
public:
    virtual ~NSURLConnectionDelegate() = default;

    // didReceiveResponse: a new response; the body that follows is its own.
    virtual void connection(NSURLConnection* connection, const NSHTTPURLResponse& response) = 0;
    // didReceiveData: the next piece of the body.
    virtual void connection(NSURLConnection* connection, const NSData& data) = 0;
    virtual void connectionDidFinishLoading(NSURLConnection* connection) = 0;
    // didFailWithError: the exchange ended without a complete answer.
    virtual void connection(NSURLConnection* connection, const NSError& error) = 0;
};

class NSURLConnection {
public:
    // initWithRequest:delegate: the started connection, or none when it
    // cannot be made. The delegate is not owned.
    static std::unique_ptr<NSURLConnection> connectionWithRequest(const NSMutableURLRequest& request,
                                                                  NSURLConnectionDelegate* delegate);
    ~NSURLConnection();
    NSURLConnection(const NSURLConnection&) = delete;
    NSURLConnection& operator=(const NSURLConnection&) = delete;

    // Stops the exchange; the delegate hears nothing more.
    void cancel();

private:
    class Transfer;
    NSURLConnection() = default;

    std::unique_ptr<Transfer> transfer_;
};
