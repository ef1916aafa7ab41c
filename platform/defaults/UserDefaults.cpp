#include "platform/defaults/UserDefaults.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sys/stat.h>

#include "platform/core/AtomicFile.h"

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

// A domain name as a file name: letters, digits, '.', '_' and '-' stand for
// themselves, every other byte (and a leading '.') is percent-encoded, so no
// name reaches outside the folder.
std::string fileNameOf(const std::string& domain) {
    static const char* hex = "0123456789ABCDEF";
    std::string name;
    for (size_t i = 0; i < domain.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(domain[i]);
        const bool plain = std::isalnum(c) || c == '_' || c == '-' || (c == '.' && i > 0);
        if (plain) {
            name.push_back(static_cast<char>(c));
        } else {
            name.push_back('%');
            name.push_back(hex[c >> 4]);
            name.push_back(hex[c & 0x0F]);
        }
    }
    return name + ".json";
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

bool makePrivateFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return false;
    chmod(folder.c_str(), 0700);
    return std::filesystem::is_directory(folder, error);
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

void NSUserDefaults::resetStandardUserDefaults() { cachedStore().reset(); }

std::filesystem::path NSUserDefaults::fileForDomain(const std::string& name) const {
    return folder_ / fileNameOf(name);
}

NSUserDefaults::Domain& NSUserDefaults::load(const std::string& name) {
    const auto cached = domains_.find(name);
    if (cached != domains_.end()) return cached->second;
    Domain domain;
    const std::filesystem::path file = fileForDomain(name);
    std::error_code error;
    if (std::filesystem::exists(file, error)) {
        // A file that is there but cannot be read is kept aside like one that
        // cannot be parsed, rather than written over.
        std::ifstream in(file);
        nlohmann::json contents = in ? nlohmann::json::parse(in, nullptr, false) : nlohmann::json();
        if (contents.is_object())
            domain.contents = std::move(contents);
        else
            domain.unparsable = true;
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
    if (!makePrivateFolder(folder_)) return false;
    const std::filesystem::path file = fileForDomain(name);
    if (domain.unparsable) {
        if (!moveAside(file)) return false;
        domain.unparsable = false;
    }
    // Text that is not valid UTF-8 cannot be written as JSON: it is written
    // with replacement characters rather than losing the whole domain.
    const std::string text = domain.contents->dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
    if (!platform::writeFileAtomically(file, text, 0600)) return false;
    domain.changed = false;
    return true;
}

bool NSUserDefaults::synchronize() {
    bool allWritten = true;
    for (auto& [name, domain] : domains_)
        if (domain.changed && !write(name, domain)) allWritten = false;
    return allWritten;
}
