// The bundle loaded with dlopen, as the print dialog loads it.
#include <gtest/gtest.h>

#include <clocale>

#include "host/PlugInLoader.h"
#include "tests/support/FakeHost.h"
#include "tests/support/ScopedEnvironment.h"

namespace {

class LoadedBundle : public testing::Test {
protected:
    host::LoadedPlugIn plugIn{NELVO_BUNDLE_DIR};
    std::shared_ptr<FakeHost> host = FakeHost::withSamplePPD();

    std::optional<PDEPanelList> panelsFor(const std::string& type) {
        return plugIn.principal().PDEPanelsForType(type, host);
    }
};

TEST_F(LoadedBundle, GivesOneNewPanelForThePrintDialogOnEachCall) {
    const std::optional<PDEPanelList> first = panelsFor(kPrintDialogPDEType);
    const std::optional<PDEPanelList> second = panelsFor(kPrintDialogPDEType);
    ASSERT_TRUE(first && second && first->size() == 1 && second->size() == 1);
    ASSERT_TRUE(first->front() && second->front() != first->front());
    EXPECT_EQ(first->front()->panelKind(), "nelvo.print.pde.zlm420k.JobControlKind");
    // Each panel was made with the host: it asked for the PPD.
    EXPECT_EQ(host->callCount("ppdFile"), 2u);
}

TEST_F(LoadedBundle, GivesAnEmptyListForAnyOtherTypeAndMakesNoPanel) {
    for (const char* type : {"bdb091f4-e57f-11d3-b5cc-0050e4603277", "BDB091F4-E57F-11D3-B5CC-0050E4603277 ", ""})
        EXPECT_EQ(panelsFor(type), PDEPanelList()) << type;
    EXPECT_TRUE(host->calls.empty());
}

// A panel finds its own bundle for its name, and makes the name once: in the
// language of the locale it was made in.
TEST_F(LoadedBundle, APanelsNameComesFromItsOwnBundleInTheLanguageItWasMadeIn) {
    const std::optional<PDEPanelList> english = panelsFor(kPrintDialogPDEType);
    ASSERT_TRUE(english && english->size() == 1);
    EXPECT_EQ(english->front()->panelName(), "Job Handling");
    ScopedEnvironmentVariable language("LANGUAGE", "de");
    ScopedLocale german(LC_ALL, "de_DE.UTF-8");
    ASSERT_TRUE(german.selected()) << "the de_DE.UTF-8 locale is missing: run scripts/setup.sh";
    EXPECT_EQ(english->front()->panelName(), "Job Handling");
    const std::optional<PDEPanelList> panels = panelsFor(kPrintDialogPDEType);
    ASSERT_TRUE(panels && panels->size() == 1);
    EXPECT_EQ(panels->front()->panelName(), "Auftragsverwaltung");
}

}  // namespace
