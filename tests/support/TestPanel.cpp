#include "tests/support/TestPanel.h"

std::shared_ptr<NelvoPrintPdeZlm420kJC> makePanel(std::shared_ptr<FakeHost> host) {
    return NelvoPrintPdeZlm420kJC::initWithCallback(std::move(host), NSBundle::bundleWithPath(NELVO_BUNDLE_DIR));
}
