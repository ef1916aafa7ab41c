// The name of the file that keeps a defaults domain.
#pragma once

#include <string>

namespace defaults {

struct DomainFileName {
    std::string fileName;
    // The name is shortened: the file also holds the domain's full name,
    // which loading checks.
    bool shortened = false;
    // The plain name that an earlier version gave a domain it now shortens
    // (it left less room for the names made beside the file): read while
    // the file itself is missing, removed once the file is written.
    std::string formerFileName;
};

// A domain name as a file name: letters, digits, '.', '_' and '-' stand for
// themselves, every other byte (and a leading '.') is percent-encoded, so no
// name reaches outside the folder; ".json" follows. A name too long for the
// file system beside its temporary copies (a long queue name in a script
// that takes three bytes a character, nine once encoded) keeps the start of
// its encoded form, then '#' and the SHA-256 digest of the whole domain
// name: one file per domain whatever its length. Names short enough keep
// the plain form, so the files that were always there are still found.
DomainFileName domainFileName(const std::string& domain);

}  // namespace defaults
