// The user-defaults store: persistent domains by name, one JSON file per
// domain at ${XDG_CONFIG_HOME:-$HOME/.config}/user-defaults/<name>.json
// (a very long name is shortened: DomainFileName.h). A domain is a
// dictionary whose values are dictionaries, strings, numbers, Booleans and
// arrays, nested at most defaults::kMostNesting deep. The process keeps a cached copy of what it read and
// set; synchronize writes what changed.
#pragma once

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

class NSUserDefaults {
public:
    // The process's store, made on first use; none when the user has no
    // configuration folder (neither XDG_CONFIG_HOME nor HOME is set).
    static NSUserDefaults* standardUserDefaults();
    // Drops the cached store, unwritten changes included, so that the next
    // read sees what any process stored last.
    static void resetStandardUserDefaults();

    // The domain's dictionary, or none when it does not exist (or its file
    // cannot be read or parsed, nests too deeply or is too large).
    std::optional<nlohmann::json> persistentDomainForName(const std::string& name);
    // Replaces the domain in the cache; synchronize writes it.
    void setPersistentDomain(const nlohmann::json& domain, const std::string& name);
    // Writes every changed domain: mode 0600, replaced atomically, under the
    // store's lock. A file that could not be read or parsed, and still
    // cannot when the lock is held, is first moved aside to <file>.corrupt
    // (<file>.corrupt.1, ... after earlier copies; the newest few are kept),
    // so nothing the user had is destroyed silently. A domain that cannot
    // be written (nested too deeply, larger than defaults::kMostFileBytes)
    // is reported on standard error. Answers whether all were written.
    bool synchronize();

    const std::filesystem::path& folder() const { return folder_; }
    // The file that holds a domain.
    std::filesystem::path fileForDomain(const std::string& name) const;

private:
    explicit NSUserDefaults(std::filesystem::path folder) : folder_(std::move(folder)) {}

    struct Domain {
        std::optional<nlohmann::json> contents;
        bool unparsable = false;  // the file exists but is not a JSON object
        bool changed = false;
    };
    Domain& load(const std::string& name);
    bool write(const std::string& name, Domain& domain);

    std::filesystem::path folder_;
    std::map<std::string, Domain> domains_;
};
