#include "platform/defaults/DomainFileName.h"

#include <openssl/evp.h>
#include <algorithm>
#include <cctype>

#include "platform/core/CoreTypes.h"
#include "platform/defaults/KeptAside.h"

namespace defaults {
namespace {

constexpr const char* kExtension = ".json";
// The longest plain file name: the longest name the store makes from it,
// its temporary copy "<name>.XXXXXX" or a kept-aside "<name>.corrupt.N",
// must stay within the 255 bytes of a file name.
constexpr size_t kLongestAddedSuffix = std::max(sizeof(".XXXXXX") - 1, defaults::kLongestKeptAsideSuffix);
constexpr size_t kLongestPlainName = 255 - kLongestAddedSuffix;
// What the plain form allowed while only the temporary copy was counted.
constexpr size_t kFormerLongestPlainName = 255 - (sizeof(".XXXXXX") - 1);
// How much of the encoded name a shortened file name keeps, for people
// looking at the folder.
constexpr size_t kShortenedPrefix = 96;

std::string percentEncoded(const std::string& domain) {
    std::string name;
    for (size_t i = 0; i < domain.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(domain[i]);
        const bool plain = std::isalnum(c) || c == '_' || c == '-' || (c == '.' && i > 0);
        if (plain) {
            name.push_back(static_cast<char>(c));
        } else {
            name.push_back('%');
            platform::appendUpperHex(name, c);
        }
    }
    return name;
}

std::string sha256Hex(const std::string& text) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_Digest(text.data(), text.size(), digest, &length, EVP_sha256(), nullptr);
    std::string hex;
    for (unsigned int i = 0; i < length; ++i)
        platform::appendUpperHex(hex, digest[i]);
    return hex;
}

// The first `length` bytes of an encoded name, never cutting a "%XX".
std::string encodedPrefix(const std::string& encoded, size_t length) {
    size_t cut = std::min(length, encoded.size());
    if (cut >= 1 && encoded[cut - 1] == '%')
        cut -= 1;
    else if (cut >= 2 && encoded[cut - 2] == '%')
        cut -= 2;
    return encoded.substr(0, cut);
}

}  // namespace

DomainFileName domainFileName(const std::string& domain) {
    const std::string encoded = percentEncoded(domain);
    const std::string plain = encoded + kExtension;
    if (plain.size() <= kLongestPlainName) return {plain, false, {}};
    // '#' is always encoded in the plain form, so the two forms never meet.
    std::string shortened = encodedPrefix(encoded, kShortenedPrefix) + "#" + sha256Hex(domain) + kExtension;
    return {std::move(shortened), true, plain.size() <= kFormerLongestPlainName ? plain : std::string()};
}

}  // namespace defaults
