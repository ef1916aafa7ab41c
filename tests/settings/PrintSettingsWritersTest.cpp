// The two writers of ASCII values into the print settings.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "settings/SettingsKeys.h"
#include "settings/ValueHelpers.h"

namespace {

using Values = platform::PrintSettings::Values;

TEST(AsciiValue, StoresNonEmptyAsciiTextRemovesTheKeyOtherwiseAndNeedsSettingsAndAKey) {
    const std::pair<const char*, const char*> cases[] = {
        {"a b~", "a b~"}, {"", nullptr}, {nullptr, nullptr}, {"caf\xe9", nullptr}};
    for (const auto& [value, stored] : cases) {
        platform::PrintSettings settings;
        settings.set("key", "stale");
        MyPMPrintSetAsciiCStrValue(&settings, "key", value);
        EXPECT_EQ(settings.values(), stored ? Values({{"key", stored}}) : Values()) << (value ? value : "(none)");
    }
    // Without settings or a key nothing is done.
    MyPMPrintSetAsciiCStrValue(nullptr, "key", "1");
    platform::PrintSettings settings;
    settings.set("key", "kept");
    MyPMPrintSetAsciiCStrValue(&settings, nullptr, "1");
    EXPECT_EQ(settings.values(), Values({{"key", "kept"}}));
}

const std::string kBase = settings_keys::kLoginName1;

// Settings holding stale pieces numbered 1 to 6 under kBase, and keys that
// only look like pieces.
platform::PrintSettings staleParts() {
    platform::PrintSettings settings;
    for (int part = 1; part <= 6; ++part)
        settings.set(kBase + std::to_string(part), "stale");
    for (const std::string& other : {std::string("other"), kBase, kBase + "01", kBase + "2x"})
        settings.set(other, "kept");
    return settings;
}

// A text of `length` letters that shows where each part was cut.
std::string lettersOf(size_t length) {
    std::string text;
    for (size_t i = 0; i < length; ++i)
        text.push_back(static_cast<char>('a' + i % 26));
    return text;
}

Values expectedParts(const std::string& value) {
    Values values = {{"other", "kept"}, {kBase, "kept"}, {kBase + "01", "kept"}, {kBase + "2x", "kept"}};
    int part = 1;
    for (size_t start = 0; start < value.size(); start += 254)
        values[kBase + std::to_string(part++)] = value.substr(start, 254);
    return values;
}

TEST(MultiPartValue, SplitsIntoPartsOf254AndRemovesEveryStalePiece) {
    for (const size_t length : {0, 254, 255, 508, 509}) {
        platform::PrintSettings settings = staleParts();
        const std::string value = lettersOf(length);
        MyMultiPMPrintSetAsciiCStrValue(&settings, kBase.c_str(), value.c_str());
        EXPECT_EQ(settings.values(), expectedParts(value)) << length << " characters";
    }
    platform::PrintSettings settings = staleParts();
    MyMultiPMPrintSetAsciiCStrValue(&settings, kBase.c_str(), nullptr);
    EXPECT_EQ(settings.values(), expectedParts("")) << "no value at all";

    settings = staleParts();
    std::string value = lettersOf(300);
    value[260] = '\xe9';
    MyMultiPMPrintSetAsciiCStrValue(&settings, kBase.c_str(), value.c_str());
    Values expected = expectedParts(value);
    expected.erase(kBase + "2");
    EXPECT_EQ(settings.values(), expected) << "a part that is not ASCII is removed";
}

TEST(MultiPartValue, RefusesMissingEmptyAndOverlongBaseKeys) {
    const std::string longest(98, 'k'), overlong(99, 'k');
    platform::PrintSettings settings;
    MyMultiPMPrintSetAsciiCStrValue(&settings, longest.c_str(), "v");
    const Values written = {{longest + "1", "v"}};
    EXPECT_EQ(settings.values(), written);
    for (const char* base : {overlong.c_str(), "", static_cast<const char*>(nullptr)})
        MyMultiPMPrintSetAsciiCStrValue(&settings, base, "v");
    MyMultiPMPrintSetAsciiCStrValue(nullptr, kBase.c_str(), "v");
    EXPECT_EQ(settings.values(), written);
}

}  // namespace
