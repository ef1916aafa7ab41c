// Every field saved by one dialog and read back by the next one for the same
// job: empty, shortest, longest, non-ASCII and exactly-one-block values.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/ExchangeFixture.h"

namespace {

using Field = Outlet<NSTextField> PanelOutlets::*;

// Retention on with hold only, and the authentication mode that the field
// belongs to (the other mode's fields are cleared when it is applied); then
// the next dialog for the same job reads the field back.
std::string roundTrip(Field field, const std::string& typed) {
    auto host = FakeHost::withSamplePPD();
    const auto panel = openPanel(host);
    panel->restoreValuesAndReturnError(nullptr);
    panel->outlets.retentionCheckBox->setState(1);
    panel->outlets.authenticationMatrix->selectCellAtRow(field == &PanelOutlets::userNumberEditText ? 1 : 0, 0);
    (panel->outlets.*field)->setStringValue(typed);
    panel->saveValuesAndReturnError(nullptr);

    const auto next = openPanel(host);
    next->restoreValuesAndReturnError(nullptr);
    return (next->outlets.*field)->stringValue();
}

TEST(FieldRoundTrip, EveryFieldComesBackInTheNextDialogCutToItsStoredLength) {
    const ScopedLocale utf8(LC_CTYPE, "C.UTF-8");
    if (!utf8.selected()) GTEST_SKIP() << "no C.UTF-8 locale";
    const std::string k16 = "abcdefghijklmnop";
    // Values that come back as typed.
    const std::pair<Field, std::vector<std::string>> cases[] = {
        {&PanelOutlets::suspendKeyEditText, {"0", "99999"}},
        {&PanelOutlets::passwordEditText, {"", k16, k16 + "q", std::string(31, 'w'), "p\u00e4ss\u65e5"}},
        {&PanelOutlets::userNumberEditText, {"1", "12345"}},
        {&PanelOutlets::loginNameEditText, {"", k16 + k16 + k16, std::string(255, 'L'), "J\u00fcrgen \u5c71\u7530"}},
        {&PanelOutlets::userNameEditText, {std::string(32, 'U'), "Zo\u00eb \"Q\""}},
    };
    for (const auto& [field, unchanged] : cases)
        for (const std::string& typed : unchanged)
            EXPECT_EQ(roundTrip(field, typed), typed);
    EXPECT_EQ(roundTrip(&PanelOutlets::userNameEditText, std::string(40, 'U')), std::string(32, 'U'));
    EXPECT_EQ(roundTrip(&PanelOutlets::jobNameEditText, ""), "Untitled");
    EXPECT_EQ(roundTrip(&PanelOutlets::jobNameEditText, std::string(80, 'J')), std::string(32, 'J'));
}

}  // namespace
