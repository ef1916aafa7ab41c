#include "folders/FolderServiceURL.h"

#include <arpa/inet.h>
#include <netinet/in.h>

namespace {

// "fe80::1" or "fe80::1%eth0" (with a zone), not "[::1]:80" nor "host:80".
bool isBareIPv6Address(const std::string& address) {
    const std::string withoutZone = address.substr(0, address.find('%'));
    in6_addr parsed{};
    return inet_pton(AF_INET6, withoutZone.c_str(), &parsed) == 1;
}

}  // namespace

std::string folderServiceURLText(const std::string& address) {
    const std::string authority = isBareIPv6Address(address) ? "[" + address + "]" : address;
    return "http://" + authority + kFolderServiceSuffix;
}
