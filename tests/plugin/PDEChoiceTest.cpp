// The PPD choice wrapper: decoding of its titles (each encoding's decoding
// is tested in tests/platform/core) and the list made from an option, on
// choice records built here and on PPD files opened by CUPS.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include <gtest/gtest.h>

#include <cstring>
#include <string_view>

#include "PpdFiles.h"
#include "plugin/NelvoPrintPdeZlm420kJCPDEChoice.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TestPanel.h"

namespace {

// A choice record as CUPS fills one, with the bytes of `text` as its
// human-readable text.
ppd_choice_t choiceRecord(std::string_view keyword, std::string_view text) {
    ppd_choice_t record{};
    std::memcpy(record.choice, keyword.data(), std::min(keyword.size(), sizeof(record.choice) - 1));
    std::memcpy(record.text, text.data(), std::min(text.size(), sizeof(record.text) - 1));
    return record;
}

TEST(PDEChoice, DecodesTheTitleInTheGivenEncodingKeepsTheFirstButRetriesAFailedOne) {
    ppd_choice_t shiftJIS = choiceRecord("Print", "\x88\xf3\x8d\xfc");
    EXPECT_EQ(PDEChoice(&shiftJIS).userTitle(99), std::nullopt) << "an unknown encoding";
    PDEChoice kept(&shiftJIS);
    EXPECT_EQ(kept.userTitle(NSShiftJISStringEncoding), "印刷");
    EXPECT_EQ(kept.userTitle(NSISOLatin1StringEncoding), "印刷");

    ppd_choice_t latin1 = choiceRecord("Office", "B\xfcro");
    PDEChoice retried(&latin1);
    EXPECT_EQ(retried.userTitle(NSUTF8StringEncoding), std::nullopt);
    EXPECT_EQ(retried.userTitle(NSISOLatin1StringEncoding), "Büro");
    EXPECT_EQ(retried.userTitle(NSUTF8StringEncoding), "Büro");
}

// The keyword is ASCII; neither field is read beyond its end when CUPS has
// filled it whole.
TEST(PDEChoice, PPDTitleIsTheKeywordInASCII) {
    ppd_choice_t accented = choiceRecord("Caf\xe9", "");
    EXPECT_EQ(PDEChoice(&accented).ppdTitle(), std::nullopt);
    ppd_choice_t full{};
    std::memset(full.choice, 'k', sizeof(full.choice));
    std::memset(full.text, 't', sizeof(full.text));
    EXPECT_EQ(PDEChoice(&full).ppdTitle(), std::string(sizeof(full.choice), 'k'));
    EXPECT_EQ(PDEChoice(&full).userTitle(NSUTF8StringEncoding), std::string(sizeof(full.text), 't'));
}

// CUPS hands over every declared encoding's texts in UTF-8 and says so; the
// titles decode with the encoding that the panel takes from the PPD.
TEST(PDEChoice, ListsTheChoicesOfRealPPDsInOrderWithTheirTitles) {
    const std::tuple<std::filesystem::path, const char*, std::vector<std::string>> cases[] = {
        {std::filesystem::path(NELVO_SOURCE_DIR) / "examples" / "NelvoZlm420k-ja.ppd",
         "KZDocFiling",
         {"オフ", "保留のみ", "印刷後に保留", "試し印刷"}},
        {fixturePPD("windows-ansi.ppd"), "KZNote", {"Preis 5 €", "„Entwurf“", "Plain"}},
        {fixturePPD("utf-8.ppd"), "KZNote", {"Büro ✓", "日本語"}},
    };
    for (const auto& [path, option, expected] : cases) {
        const auto panel = makePanel(FakeHost::withPPD(path));
        EXPECT_EQ(panel->context.ppdEncoding, NSUTF8StringEncoding);
        const std::optional<PDEChoiceList> list = ArrayFromPPDOption(ppdFindOption(panel->context.ppd, option));
        ASSERT_TRUE(list) << path;
        std::vector<std::string> titles;
        for (const auto& choice : *list)
            titles.push_back(choice->userTitle(panel->context.ppdEncoding).value_or("(none)"));
        EXPECT_EQ(titles, expected) << path;
    }
}

}  // namespace
