#include "platform/defaults/UserDefaults.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>

#include "platform/core/AtomicFile.h"
#include "platform/core/PrivateFolder.h"
#include "platform/core/RegularFile.h"
#include "platform/defaults/DomainFileName.h"
#include "platform/defaults/DomainFileText.h"

namespace {

// The store of this process: the one cache that the platform keeps.
std::unique_ptr<NSUserDefaults>& cachedStore() {
    static std::unique_ptr<NSUserDefaults> store;
    return store;
}

std::optional<std::filesystem::path> defaultsFolder() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        return std::filesystem::path(config) / "user-defaults";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".config" / "user-defaults";
    return std::nullopt;
}

// Moves an unparsable file to <file>.corrupt, or <file>.corrupt.N when an
// earlier one is already kept there.
bool moveAside(const std::filesystem::path& file) {
    constexpr int kMostKeptAside = 100;
    std::error_code error;
    for (int copy = 0; copy < kMostKeptAside; ++copy) {
        std::string aside = file.string() + ".corrupt";
        if (copy > 0) aside += "." + std::to_string(copy);
        if (std::filesystem::exists(aside, error)) continue;
        std::filesystem::rename(file, aside, error);
        return !error;
    }
    return false;
}

// A write that fails loses what the user locked, so it is said, not
// swallowed: the panel itself reports nothing to the dialog.
bool reportUnwritten(const std::filesystem::path& file, const std::string& reason) {
    std::cerr << "user-defaults: cannot write " << file.string() << ": " << reason << "\n";
    return false;
}

std::optional<std::string> fullNameIfShortened(const defaults::DomainFileName& where, const std::string& name) {
    return where.shortened ? std::optional<std::string>(name) : std::nullopt;
}

}  // namespace

NSUserDefaults* NSUserDefaults::standardUserDefaults() {
    std::unique_ptr<NSUserDefaults>& store = cachedStore();
    if (!store) {
        const std::optional<std::filesystem::path> folder = defaultsFolder();
        if (!folder) return nullptr;
        store.reset(new NSUserDefaults(*folder));
    }
    return store.get();
}

void NSUserDefaults::resetStandardUserDefaults() {
    cachedStore().reset();
}

std::filesystem::path NSUserDefaults::fileForDomain(const std::string& name) const {
    return folder_ / defaults::domainFileName(name).fileName;
}

NSUserDefaults::Domain& NSUserDefaults::load(const std::string& name) {
    const auto cached = domains_.find(name);
    if (cached != domains_.end()) return cached->second;
    Domain domain;
    const defaults::DomainFileName where = defaults::domainFileName(name);
    const std::filesystem::path file = folder_ / where.fileName;
    std::error_code error;
    if (std::filesystem::exists(file, error)) {
        // Whatever is there but cannot be read (a folder, a FIFO, a file
        // nested too deeply) is kept aside like a file that cannot be
        // parsed, rather than written over.
        const std::optional<std::string> text = platform::readRegularFile(file);
        domain.contents = text ? defaults::domainFromFileText(*text, fullNameIfShortened(where, name)) : std::nullopt;
        domain.unparsable = !domain.contents;
    }
    return domains_.emplace(name, std::move(domain)).first->second;
}

std::optional<nlohmann::json> NSUserDefaults::persistentDomainForName(const std::string& name) {
    return load(name).contents;
}

void NSUserDefaults::setPersistentDomain(const nlohmann::json& domain, const std::string& name) {
    Domain& cached = load(name);
    cached.contents = domain.is_object() ? domain : nlohmann::json::object();
    cached.changed = true;
}

bool NSUserDefaults::write(const std::string& name, Domain& domain) {
    const defaults::DomainFileName where = defaults::domainFileName(name);
    const std::filesystem::path file = folder_ / where.fileName;
    const std::optional<std::string> text =
        defaults::fileTextOfDomain(*domain.contents, fullNameIfShortened(where, name));
    if (!text) return reportUnwritten(file, "the domain is nested too deeply");
    if (!platform::makePrivateFolder(folder_)) return reportUnwritten(file, std::strerror(errno));
    if (domain.unparsable) {
        if (!moveAside(file)) return reportUnwritten(file, "the unreadable file there cannot be moved aside");
        domain.unparsable = false;
    }
    // Copies that killed writers left would keep enciphered secrets for good.
    if (!platform::writeFileAtomically(file, *text, 0600, platform::StaleTemporaries::remove))
        return reportUnwritten(file, std::strerror(errno));
    domain.changed = false;
    return true;
}

bool NSUserDefaults::synchronize() {
    bool allWritten = true;
    for (auto& [name, domain] : domains_)
        if (domain.changed && !write(name, domain)) allWritten = false;
    return allWritten;
}
