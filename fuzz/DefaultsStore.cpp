// The defaults store loading any file at a domain's path and writing the
// domain back: the file is read exactly when it is a JSON object nested no
// deeper than the limit (measured here by a reading of its own), what it
// writes reads back the same, a file it cannot take is kept aside, and no
// temporary copy stays. The first byte k shapes the domain's name: its low
// bit adds 40 characters of three bytes each, and the next k / 2 bytes of
// the input are added as they are, so that the file name's encoding is
// fuzzed too.
#include <algorithm>

#include "fuzz/FuzzSupport.h"
#include "platform/defaults/DomainFileText.h"
#include "platform/defaults/UserDefaults.h"

namespace {

namespace fs = std::filesystem;

// The deepest nesting of dictionaries and arrays in JSON text, counting
// brackets outside strings; exact for text that parses. The JSON library
// takes a zero byte for the end of the text, so counting stops there too.
int nestingOf(const std::string& text) {
    int depth = 0, deepest = 0;
    bool inString = false;
    for (size_t i = 0; i < text.size() && text[i] != '\0'; ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            deepest = std::max(deepest, ++depth);
        } else if (c == '}' || c == ']') {
            --depth;
        }
    }
    return deepest;
}

// Whether the store must read `text` as the domain of a plain file name.
bool readableAsPlainDomain(const std::string& text) {
    if (text.size() > defaults::kMostFileBytes || nestingOf(text) > defaults::kMostNesting) return false;
    const nlohmann::json parsed = nlohmann::json::parse(text, nullptr, false);
    return !parsed.is_discarded() && parsed.is_object();
}

std::optional<nlohmann::json> reread(const std::string& domain) {
    NSUserDefaults::resetStandardUserDefaults();
    return NSUserDefaults::standardUserDefaults()->persistentDomainForName(domain);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz_support::privateHome();
    if (size == 0) return 0;
    std::string domain = "nelvo.mfp.Fuzz";
    if (data[0] & 1)
        for (int i = 0; i < 40; ++i)
            domain += "\u5370";
    const size_t nameBytes = std::min<size_t>(data[0] >> 1, size - 1);
    domain += fuzz_support::textOf(data + 1, nameBytes);
    const std::string text = fuzz_support::textOf(data + 1 + nameBytes, size - 1 - nameBytes);

    NSUserDefaults::resetStandardUserDefaults();
    NSUserDefaults& store = *NSUserDefaults::standardUserDefaults();
    const fs::path file = store.fileForDomain(domain);
    const fs::path folder = store.folder();  // `store` goes with the next reread
    // One file per domain, inside the folder, with room for the longest
    // name made beside it (a kept-aside copy, a temporary one).
    FUZZ_EXPECT(file.parent_path() == folder);
    FUZZ_EXPECT(file.filename().string().size() + std::string(".corrupt.9").size() <= 255);
    FUZZ_EXPECT(file.filename() != "." && file.filename() != "..");
    fs::remove_all(folder);
    fs::create_directories(folder);
    FUZZ_EXPECT(fuzz_support::writeFile(file, text));

    std::optional<nlohmann::json> contents = store.persistentDomainForName(domain);
    const bool readable = contents.has_value();
    const bool shortened = file.filename().string().find('#') != std::string::npos;
    // A shortened name's file holds the domain one level down, beside its name.
    if (!shortened) FUZZ_EXPECT(readable == readableAsPlainDomain(text));
    if (readable) FUZZ_EXPECT(nestingOf(text) <= defaults::kMostNesting + (shortened ? 1 : 0));
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
