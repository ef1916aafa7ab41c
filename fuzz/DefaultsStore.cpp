// The defaults store loading any file at a domain's path and writing the
// domain back: what it writes reads back the same, a file it cannot take is
// kept aside, and no temporary copy stays. The first byte picks a short or
// a long (shortened) domain name.
#include "fuzz/FuzzSupport.h"
#include "platform/defaults/UserDefaults.h"

namespace {

namespace fs = std::filesystem;

std::string domainName(bool longName) {
    std::string name = "nelvo.mfp.Fuzz";
    if (longName)
        for (int i = 0; i < 40; ++i)
            name += "\u5370";
    return name;
}

std::optional<nlohmann::json> reread(const std::string& domain) {
    NSUserDefaults::resetStandardUserDefaults();
    return NSUserDefaults::standardUserDefaults()->persistentDomainForName(domain);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz_support::privateHome();
    if (size == 0) return 0;
    const std::string domain = domainName(data[0] & 1);
    NSUserDefaults::resetStandardUserDefaults();
    NSUserDefaults& store = *NSUserDefaults::standardUserDefaults();
    const fs::path file = store.fileForDomain(domain);
    const fs::path folder = store.folder();  // `store` goes with the next reread
    fs::remove_all(folder);
    fs::create_directories(folder);
    fuzz_support::writeFile(file, fuzz_support::textOf(data + 1, size - 1));

    std::optional<nlohmann::json> contents = store.persistentDomainForName(domain);
    const bool readable = contents.has_value();
    nlohmann::json written = readable ? *contents : nlohmann::json::object();
    written["Job Control"]["hold button"] = 1;
    store.setPersistentDomain(written, domain);
    FUZZ_EXPECT(store.synchronize());
    const std::optional<nlohmann::json> back = reread(domain);
    // Compared as written: a number too large for a double is kept as null.
    FUZZ_EXPECT(back && back->dump() == written.dump());
    FUZZ_EXPECT(readable != fs::exists(file.string() + ".corrupt"));
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++entries;
    FUZZ_EXPECT(entries == (readable ? 1u : 2u));
    return 0;
}
