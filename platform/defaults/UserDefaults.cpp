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
#include "platform/defaults/KeptAside.h"
#include "platform/defaults/StoreLock.h"

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

// A write that fails loses what the user locked, so it is said, not
// swallowed: the panel itself reports nothing to the dialog.
bool reportUnwritten(const std::filesystem::path& file, const std::string& reason) {
    std::cerr << "user-defaults: cannot write " << file.string() << ": " << reason << "\n";
    return false;
}

std::optional<std::string> fullNameIfShortened(const defaults::DomainFileName& where, const std::string& name) {
    return where.shortened ? std::optional<std::string>(name) : std::nullopt;
}

enum class FileState { missing, unreadable, read };

struct DomainFile {
    FileState state = FileState::missing;
    std::optional<nlohmann::json> contents;
};

// What is at `file`. Whatever is there but cannot be read (a folder, a FIFO,
// a file nested too deeply or too large) is unreadable: kept aside like a
// file that cannot be parsed, rather than written over.
DomainFile readDomainFile(const std::filesystem::path& file, const std::optional<std::string>& shortenedFor) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return {};
    const std::optional<std::string> text = platform::readRegularFile(file);
    if (text && text->size() > defaults::kMostFileBytes) {
        std::cerr << "user-defaults: " << file.string() << " holds " << text->size() << " bytes, more than the "
                  << defaults::kMostFileBytes << " a defaults file may; it is not read, and is kept aside when the "
                  << "domain is next written\n";
        return {FileState::unreadable, std::nullopt};
    }
    std::optional<nlohmann::json> contents = text ? defaults::domainFromFileText(*text, shortenedFor) : std::nullopt;
    if (!contents) return {FileState::unreadable, std::nullopt};
    return {FileState::read, std::move(contents)};
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
    DomainFile found = readDomainFile(folder_ / where.fileName, fullNameIfShortened(where, name));
    if (found.state == FileState::missing && !where.formerFileName.empty()) {
        found = readDomainFile(folder_ / where.formerFileName, std::nullopt);
        // A former file that cannot be read is left alone: its long name
        // leaves no room to keep it aside.
        if (found.state == FileState::unreadable) found = {};
    }
    domain.contents = std::move(found.contents);
    domain.unparsable = found.state == FileState::unreadable;
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
    if (text->size() > defaults::kMostFileBytes)
        return reportUnwritten(file, "the domain takes " + std::to_string(text->size()) + " bytes, more than the " +
                                         std::to_string(defaults::kMostFileBytes) + " a defaults file may");
    if (!platform::makePrivateFolder(folder_)) return reportUnwritten(file, std::strerror(errno));
    // Where the file system cannot lock (some network file systems), the
    // write goes on unlocked: only the race below is then left open.
    const defaults::StoreLock lock(folder_);
    // Another dialog may have replaced the unreadable file since it was
    // read: only what is still unreadable now is moved aside.
    if (domain.unparsable && readDomainFile(file, fullNameIfShortened(where, name)).state == FileState::unreadable &&
        !defaults::keepAside(file))
        return reportUnwritten(file, "the unreadable file there cannot be moved aside");
    domain.unparsable = false;
    // Copies that killed writers left would keep enciphered secrets for good.
    if (!platform::writeFileAtomically(file, *text, 0600, platform::StaleTemporaries::remove))
        return reportUnwritten(file, std::strerror(errno));
    const std::filesystem::path former = folder_ / where.formerFileName;
    if (!where.formerFileName.empty() && readDomainFile(former, std::nullopt).state == FileState::read) {
        std::error_code error;
        std::filesystem::remove(former, error);
    }
    domain.changed = false;
    return true;
}

bool NSUserDefaults::synchronize() {
    bool allWritten = true;
    for (auto& [name, domain] : domains_)
        if (domain.changed && !write(name, domain)) allWritten = false;
    return allWritten;
}
