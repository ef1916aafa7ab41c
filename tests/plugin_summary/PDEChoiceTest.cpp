// The PPD choice wrapper: decoding of its titles, the list made from an
// option and the lookup by keyword, on choice records built here and on PPD
// files opened by CUPS.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

TEST(PDEChoice, UserTitleDecodesTheTextInTheGivenEncoding) {
    struct Case {
        std::string_view bytes;
        NSStringEncoding encoding;
        std::optional<std::string> title;
    };
    const Case cases[] = {
        {"\x88\xf3\x8d\xfc", NSShiftJISStringEncoding, "印刷"},
        {"B\xfcro", NSISOLatin1StringEncoding, "Büro"},
        {"\x80 \x93x\x94", NSWindowsCP1252StringEncoding, "€ “x”"},
        {"B\x9fro \xa5", NSMacOSRomanStringEncoding, "Büro •"},
        {"B\xc3\xbcro", NSUTF8StringEncoding, "Büro"},
        {"B\xfcro", NSUTF8StringEncoding, std::nullopt},
        {"\x81", NSWindowsCP1252StringEncoding, std::nullopt},
        {"\x88", NSShiftJISStringEncoding, std::nullopt},
        {"Plain", 99, std::nullopt},
    };
    for (const Case& test : cases) {
        ppd_choice_t record = choiceRecord("Key", test.bytes);
        EXPECT_EQ(PDEChoice(&record).userTitle(test.encoding), test.title) << test.bytes;
    }
}

TEST(PDEChoice, KeepsTheFirstTitleButRetriesAFailedOne) {
    ppd_choice_t shiftJIS = choiceRecord("Print", "\x88\xf3\x8d\xfc");
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
    PDEChoice wrapper(&full);
    EXPECT_EQ(wrapper.ppdTitle(), std::string(sizeof(full.choice), 'k'));
    EXPECT_EQ(wrapper.userTitle(NSUTF8StringEncoding), std::string(sizeof(full.text), 't'));
}

struct RealPPDCase {
    std::filesystem::path path;
    const char* option;
    std::vector<std::string> titles;
};

// CUPS hands over every declared encoding's texts in UTF-8 and says so; the
// titles decode with the encoding that the panel takes from the PPD.
TEST(PDEChoice, ListsTheChoicesOfRealPPDsInOrderWithTheirTitles) {
    const RealPPDCase cases[] = {
        {examplePPD("NelvoZlm420k.ppd"), "KZJobName", {"Document Name", "Entered in the Panel"}},
        {examplePPD("NelvoZlm420k-ja.ppd"), "KZDocFiling", {"オフ", "保留のみ", "印刷後に保留", "試し印刷"}},
        {examplePPD("NelvoZlm420k-de.ppd"),
         "KZDocFiling",
         {"Aus", "Nur zurückhalten", "Nach dem Druck zurückhalten", "Probedruck"}},
        {fixturePPD("windows-ansi.ppd"), "KZNote", {"Preis 5 €", "„Entwurf“", "Plain"}},
        {fixturePPD("mac-roman.ppd"), "KZNote", {"Café", "Büro", "• Liste"}},
        {fixturePPD("utf-8.ppd"), "KZNote", {"Büro ✓", "日本語"}},
    };
    for (const RealPPDCase& test : cases) {
        SCOPED_TRACE(test.path.filename().string());
        const auto panel = makePanel(FakeHost::withPPD(test.path));
        EXPECT_EQ(panel->ppdEncoding, NSUTF8StringEncoding);
        ppd_option_t* option = ppdFindOption(panel->ppd, test.option);
        ASSERT_NE(option, nullptr);
        const std::optional<PDEChoiceList> list = ArrayFromPPDOption(option);
        ASSERT_TRUE(list);
        ASSERT_EQ(list->size(), test.titles.size());
        for (size_t i = 0; i < list->size(); ++i) {
            EXPECT_EQ((*list)[i]->choice(), &option->choices[i]);
            EXPECT_EQ((*list)[i]->userTitle(panel->ppdEncoding), test.titles[i]);
        }
    }
}

TEST(PDEChoice, ListsNoOptionAsNoneAndFindChoiceForStringGivesTheFirstExactMatch) {
    const OpenedPPD ppd = openUnmarked(fixturePPD("choices.ppd"));
    ASSERT_TRUE(ppd);
    ppd_option_t* twice = ppdFindOption(ppd.get(), "KZTwice");
    ppd_option_t* tray = ppdFindOption(ppd.get(), "KZTray");
    ASSERT_TRUE(twice && tray);
    const PDEChoiceList twiceList = *ArrayFromPPDOption(twice);
    const PDEChoiceList trayList = *ArrayFromPPDOption(tray);

    const auto same = FindChoiceForString("Same", twiceList);
    ASSERT_TRUE(same);
    EXPECT_EQ(same->choice(), &twice->choices[0]);
    EXPECT_EQ(same->userTitle(NSUTF8StringEncoding), "First Same");
    const auto tray2 = FindChoiceForString("Tray2", trayList);
    ASSERT_TRUE(tray2);
    EXPECT_EQ(tray2->choice(), &tray->choices[1]);

    EXPECT_EQ(FindChoiceForString("tray2", trayList), nullptr);
    EXPECT_EQ(FindChoiceForString("Tray", trayList), nullptr);
    EXPECT_EQ(FindChoiceForString(std::nullopt, trayList), nullptr);

    EXPECT_EQ(ArrayFromPPDOption(nullptr), std::nullopt);
    const std::optional<PDEChoiceList> none = ArrayFromPPDOption(ppdFindOption(ppd.get(), "KZNoChoices"));
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->empty());
}

}  // namespace
