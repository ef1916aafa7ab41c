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

TEST(EncodingWindowsLatin1, IsNoForEastAsianLanguagesOnlyTakingLcAllBeforeLcMessagesBeforeLang) {
    using Text = std::optional<std::string>;
    // kok and jam only begin like an East Asian language's code.
    const std::tuple<Text, Text, Text, bool> cases[] = {
        {std::nullopt, std::nullopt, "ja", false},        {std::nullopt, std::nullopt, "zh_TW.Big5", false},
        {std::nullopt, std::nullopt, "kok_IN", true},     {std::nullopt, std::nullopt, "jam", true},
        {std::nullopt, std::nullopt, std::nullopt, true}, {"en_US", "ja_JP", "ja_JP", true},
        {std::nullopt, "ko_KR", "en_US", false},          {"", "", "zh_CN", false}};
    for (const auto& [lcAll, lcMessages, lang, windowsLatin1] : cases) {
        Environment environment(lcAll, lcMessages, lang);
        EXPECT_EQ(encodingWindowsLatin1(), windowsLatin1)
            << lcAll.value_or("-") << lcMessages.value_or("-") << lang.value_or("-");
    }
}

TEST(EncodingWindowsLatin1, TakesTheLocaleTheProgramSelectedBeforeTheEnvironment) {
    Environment environment(std::nullopt, std::nullopt, "ja_JP.UTF-8");
    ScopedLocale german(LC_MESSAGES, "de_DE.UTF-8");
    ASSERT_TRUE(german.selected()) << "the de_DE.UTF-8 locale is missing: run scripts/setup.sh";
    EXPECT_TRUE(encodingWindowsLatin1());
}

}  // namespace
