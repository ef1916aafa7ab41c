// encodingWindowsLatin1 follows the language of the user's locale.
#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <string>
#include <tuple>

#include "settings/ValueHelpers.h"
#include "tests/support/ScopedEnvironment.h"

namespace {

// The language as the environment names it, the program in the C locale.
struct Environment {
    ScopedLocale plain{LC_ALL, "C"};
    ScopedEnvironmentVariable all;
    ScopedEnvironmentVariable messages;
    ScopedEnvironmentVariable lang;
    Environment(const std::optional<std::string>& lcAll, const std::optional<std::string>& lcMessages,
                const std::optional<std::string>& language)
        : all("LC_ALL", lcAll), messages("LC_MESSAGES", lcMessages), lang("LANG", language) {}
};

TEST(EncodingWindowsLatin1, IsNoForEastAsianLanguagesOnly) {
    struct Case {
        const char* lang;
        bool windowsLatin1;
    };
    const Case cases[] = {
        {"ja_JP.UTF-8", false}, {"ja", false},           {"ko_KR.EUC-KR", false}, {"zh_CN.UTF-8", false},
        {"zh_TW.Big5", false},  {"zh_HK.UTF-8", false},  {"zh_SG", false},        {"de_DE.UTF-8", true},
        {"en_US.UTF-8", true},  {"fr_FR@euro", true},    {"C", true},             {"POSIX", true},
        // Languages whose codes only begin like an East Asian one.
        {"kok_IN", true},       {"jam", true},           {"zha", true},
    };
    for (const Case& test : cases) {
        Environment environment(std::nullopt, std::nullopt, test.lang);
        EXPECT_EQ(encodingWindowsLatin1(), test.windowsLatin1) << test.lang;
    }
    Environment none(std::nullopt, std::nullopt, std::nullopt);
    EXPECT_TRUE(encodingWindowsLatin1());
}

TEST(EncodingWindowsLatin1, TakesLcAllBeforeLcMessagesBeforeLang) {
    using Text = std::optional<std::string>;
    const std::tuple<Text, Text, Text, bool> cases[] = {
        {"en_US", "ja_JP", "ja_JP", true}, {std::nullopt, "ko_KR", "en_US", false}, {"", "", "zh_CN", false}};
    for (const auto& [lcAll, lcMessages, lang, windowsLatin1] : cases) {
        Environment environment(lcAll, lcMessages, lang);
        EXPECT_EQ(encodingWindowsLatin1(), windowsLatin1) << lcAll.value_or("-") << lcMessages.value_or("-");
    }
}

TEST(EncodingWindowsLatin1, TakesTheLocaleTheProgramSelectedBeforeTheEnvironment) {
    Environment environment(std::nullopt, std::nullopt, "ja_JP.UTF-8");
    ScopedLocale german(LC_MESSAGES, "de_DE.UTF-8");
    ASSERT_TRUE(german.selected()) << "the de_DE.UTF-8 locale is missing: run scripts/setup.sh";
    EXPECT_TRUE(encodingWindowsLatin1());
}

}  // namespace
