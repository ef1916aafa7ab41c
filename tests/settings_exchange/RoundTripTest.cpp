// Every field saved by one dialog and read back by the next one for the same
// job: empty, shortest, longest, non-ASCII and exactly-one-block values.
#include <gtest/gtest.h>

#include "platform/controls/NSButton.h"
#include "platform/controls/NSButtonCell.h"
#include "platform/controls/NSMatrix.h"
#include "platform/controls/NSTextField.h"
#include "tests/settings_exchange/ExchangeFixture.h"
#include "tests/support/ScopedEnvironment.h"

namespace {

using Field = Outlet<NSTextField> NelvoPrintPdeZlm420kJC::*;

struct RoundTrip {
    const char* name;
    Field field;
    std::string typed;
    std::string readBack;
};

void PrintTo(const RoundTrip& test, std::ostream* out) { *out << test.name << " \"" << test.typed << "\""; }

class FieldRoundTrip : public testing::TestWithParam<RoundTrip> {};

// Retention on with hold only, and the authentication mode that the field
// belongs to (the other mode's fields are cleared when it is applied).
std::shared_ptr<NelvoPrintPdeZlm420kJC> dialogWith(const std::shared_ptr<FakeHost>& host, Field field,
                                                   const std::string& typed) {
    auto panel = openPanel(host);
    panel->restoreValuesAndReturnError(nullptr);
    panel->retentionCheckBox->setState(1);
    panel->authenticationMatrix->selectCellAtRow(field == &NelvoPrintPdeZlm420kJC::userNumberEditText ? 1 : 0, 0);
    ((*panel).*field)->setStringValue(typed);
    panel->saveValuesAndReturnError(nullptr);
    return panel;
}

TEST_P(FieldRoundTrip, ComesBackInTheNextDialog) {
    const ScopedLocale utf8(LC_CTYPE, "C.UTF-8");
    if (!utf8.selected()) GTEST_SKIP() << "no C.UTF-8 locale";
    const RoundTrip& test = GetParam();
    auto host = FakeHost::withSamplePPD();
    dialogWith(host, test.field, test.typed);

    const auto next = openPanel(host);
    next->restoreValuesAndReturnError(nullptr);
    EXPECT_EQ(((*next).*test.field)->stringValue(), test.readBack);
}

using P = NelvoPrintPdeZlm420kJC;
const std::string k16 = "abcdefghijklmnop";

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldRoundTrip,
    testing::Values(
        RoundTrip{"passCode", &P::suspendKeyEditText, "", ""},
        RoundTrip{"passCode", &P::suspendKeyEditText, "0", "0"},
        RoundTrip{"passCode", &P::suspendKeyEditText, "99999", "99999"},
        RoundTrip{"password", &P::passwordEditText, "", ""},
        RoundTrip{"password", &P::passwordEditText, "x", "x"},
        RoundTrip{"password", &P::passwordEditText, k16, k16},
        RoundTrip{"password", &P::passwordEditText, k16 + "q", k16 + "q"},
        RoundTrip{"password", &P::passwordEditText, std::string(31, 'w'), std::string(31, 'w')},
        RoundTrip{"password", &P::passwordEditText, "p\u00e4ss\u65e5", "p\u00e4ss\u65e5"},
        RoundTrip{"userNumber", &P::userNumberEditText, "1", "1"},
        RoundTrip{"userNumber", &P::userNumberEditText, "12345", "12345"},
        RoundTrip{"accountNumber", &P::accountNumberEditText, "54321", "54321"},
        RoundTrip{"folderPassCode", &P::folderPasswordEditText, "3", "3"},
        RoundTrip{"folderPassCode", &P::folderPasswordEditText, "33333", "33333"},
        RoundTrip{"loginName", &P::loginNameEditText, "", ""},
        RoundTrip{"loginName", &P::loginNameEditText, "j", "j"},
        RoundTrip{"loginName", &P::loginNameEditText, k16, k16},
        RoundTrip{"loginName", &P::loginNameEditText, k16 + k16 + k16, k16 + k16 + k16},
        RoundTrip{"loginName", &P::loginNameEditText, std::string(255, 'L'), std::string(255, 'L')},
        RoundTrip{"loginName", &P::loginNameEditText, "J\u00fcrgen \u5c71\u7530", "J\u00fcrgen \u5c71\u7530"},
        RoundTrip{"userName", &P::userNameEditText, "Z", "Z"},
        RoundTrip{"userName", &P::userNameEditText, std::string(32, 'U'), std::string(32, 'U')},
        RoundTrip{"userName", &P::userNameEditText, std::string(40, 'U'), std::string(32, 'U')},
        RoundTrip{"userName", &P::userNameEditText, "Zo\u00eb \"Q\"", "Zo\u00eb \"Q\""},
        RoundTrip{"jobName", &P::jobNameEditText, "", "Untitled"},
        RoundTrip{"jobName", &P::jobNameEditText, std::string(80, 'J'), std::string(32, 'J')}),
    [](const testing::TestParamInfo<RoundTrip>& info) {
        return std::string(info.param.name) + "_" + std::to_string(info.index);
    });

}  // namespace
