#include "tests/preferences/PreferenceFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/defaults/UserDefaults.h"

namespace {

// Each test starts with no remembered defaults at all, also when a run puts
// several tests in one process (CTest runs them one a process).
class FreshDefaultsForEachTest : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override {
        NSUserDefaults::resetStandardUserDefaults();
        if (const char* config = std::getenv("XDG_CONFIG_HOME")) {
            std::error_code ignored;
            std::filesystem::remove_all(std::filesystem::path(config) / "user-defaults", ignored);
        }
    }
};

const bool kFreshDefaultsInstalled = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new FreshDefaultsForEachTest);
    return true;
}();

}  // namespace

std::optional<nlohmann::json> storedDomain() {
    NSUserDefaults::resetStandardUserDefaults();
    NSUserDefaults* store = NSUserDefaults::standardUserDefaults();
    auto domain = store ? store->persistentDomainForName(kQueueDomain) : std::nullopt;
    NSUserDefaults::resetStandardUserDefaults();
    return domain;
}

nlohmann::json storedRecord() {
    const auto domain = storedDomain();
    return domain && domain->contains("Job Control") ? domain->at("Job Control") : nlohmann::json();
}

void storeDomain(const nlohmann::json& domain) {
    NSUserDefaults::resetStandardUserDefaults();
    NSUserDefaults* store = NSUserDefaults::standardUserDefaults();
    store->setPersistentDomain(domain, kQueueDomain);
    store->synchronize();
    NSUserDefaults::resetStandardUserDefaults();
}

nlohmann::json validRecord(const nlohmann::json& values) {
    nlohmann::json record = values;
    record.update({{"Model Name", kSampleModel}, {"Release Number", "2.00"}});
    return record;
}
