// libcurl's result codes as the connection reports them to its delegate.
#pragma once

#include <curl/curl.h>

#include "platform/core/CoreTypes.h"
#include "platform/http/URLMessages.h"

namespace platform {

// The error for `result`; `detail` is libcurl's error buffer (may be empty).
NSError errorFromCurl(CURLcode result, const char* detail);

}  // namespace platform
