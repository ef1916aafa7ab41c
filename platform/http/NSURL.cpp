#include "platform/http/NSURL.h"

#include <curl/curl.h>
#include <memory>

namespace {

struct UrlHandleDeleter {
    void operator()(CURLU* handle) const { curl_url_cleanup(handle); }
};
using UrlHandle = std::unique_ptr<CURLU, UrlHandleDeleter>;

struct CurlTextDeleter {
    void operator()(char* text) const { curl_free(text); }
};

std::string part(CURLU* handle, CURLUPart which) {
    char* raw = nullptr;
    if (curl_url_get(handle, which, &raw, 0) != CURLUE_OK) return {};
    const std::unique_ptr<char, CurlTextDeleter> text(raw);
    return text.get();
}

std::string withoutBrackets(std::string host) {
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']') return host.substr(1, host.size() - 2);
    return host;
}

// libcurl reads "http:///path" as the host "path"; a URL whose authority is
// empty names no host, and only file URLs may do without one.
bool hasEmptyAuthority(const std::string& text, const std::string& scheme) {
    if (scheme == "file") return false;
    const auto separator = text.find("://");
    if (separator == std::string::npos) return false;
    const auto authority = separator + 3;
    return authority == text.size() || text[authority] == '/';
}

}  // namespace

std::optional<NSURL> NSURL::URLWithString(const std::string& text) {
    const UrlHandle handle(curl_url());
    if (!handle) return std::nullopt;
    // Any scheme is a URL; whether it can be fetched is the connection's
    // question. Spaces and a missing scheme make no URL.
    if (curl_url_set(handle.get(), CURLUPART_URL, text.c_str(), CURLU_NON_SUPPORT_SCHEME) != CURLUE_OK)
        return std::nullopt;
    std::string scheme = part(handle.get(), CURLUPART_SCHEME);
    if (hasEmptyAuthority(text, scheme)) return std::nullopt;
    return NSURL(text, std::move(scheme), withoutBrackets(part(handle.get(), CURLUPART_HOST)));
}

NSURL::NSURL(std::string text, std::string scheme, std::string host)
    : text_(std::move(text)), scheme_(std::move(scheme)), host_(std::move(host)) {}
