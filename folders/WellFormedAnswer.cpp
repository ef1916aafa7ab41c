#include "folders/WellFormedAnswer.h"

#include <charconv>
#include <string_view>

namespace folders {
namespace {

bool isXmlCharacter(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// `text` is valid UTF-8 (it has been decoded), so the characters that XML
// does not allow show as bytes: C0 controls other than tab and line breaks,
// and U+FFFE and U+FFFF (EF BF BE, EF BF BF). Surrogates cannot occur.
bool holdsOnlyXmlCharacters(std::string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 && byte != 0x9 && byte != 0xA && byte != 0xD) return false;
        const std::string_view next = text.substr(i + 1, 2);
        if (byte == 0xEF && (next == "\xBF\xBE" || next == "\xBF\xBF")) return false;
    }
    return true;
}

// "#65" or "#x41", naming an allowed character.
bool isCharacterReference(std::string_view name) {
    if (name.size() < 2 || name.front() != '#') return false;
    const bool hex = name[1] == 'x';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    uint32_t code = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
    return !digits.empty() && error == std::errc() && end == digits.data() + digits.size() && isXmlCharacter(code);
}

bool isPredefinedEntity(std::string_view name) {
    return name == "amp" || name == "lt" || name == "gt" || name == "apos" || name == "quot";
}

// `text` as written, before any reference in it is replaced.
bool referencesAreWellFormed(std::string_view text) {
    for (size_t at = text.find('&'); at != std::string_view::npos; at = text.find('&', at + 1)) {
        const size_t end = text.find(';', at);
        if (end == std::string_view::npos) return false;
        const std::string_view name = text.substr(at + 1, end - at - 1);
        if (!isPredefinedEntity(name) && !isCharacterReference(name)) return false;
    }
    return true;
}

// Walks the tree without recursion: an answer may nest elements deeper than
// the stack would allow.
bool referencesAreWellFormedIn(pugi::xml_document& document) {
    struct ReferenceCheck : pugi::xml_tree_walker {
        bool wellFormed = true;
        bool for_each(pugi::xml_node& node) override {
            if (node.type() == pugi::node_pcdata) wellFormed = referencesAreWellFormed(node.value());
            for (const pugi::xml_attribute attribute : node.attributes())
                wellFormed = wellFormed && referencesAreWellFormed(attribute.value());
            return wellFormed;
        }
    } check;
    document.traverse(check);
    return check.wellFormed;
}

// Exactly one top-level element and no text beside it.
bool hasOneRootAlone(const pugi::xml_document& document) {
    size_t elements = 0;
    for (const pugi::xml_node node : document.children()) {
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) return false;
        if (node.type() == pugi::node_element) ++elements;
    }
    return elements == 1;
}

}  // namespace

bool loadWellFormed(const std::string& text, pugi::xml_document& document, unsigned options) {
    if (!holdsOnlyXmlCharacters(text)) return false;
    // First as written, with text outside the root kept, to look at what
    // the parser would otherwise replace or drop.
    pugi::xml_document written;
    const unsigned asWritten = (options & ~pugi::parse_escapes) | pugi::parse_fragment;
    if (!written.load_buffer(text.data(), text.size(), asWritten, pugi::encoding_utf8)) return false;
    if (!hasOneRootAlone(written) || !referencesAreWellFormedIn(written)) return false;
    return static_cast<bool>(document.load_buffer(text.data(), text.size(), options, pugi::encoding_utf8));
}

}  // namespace folders
