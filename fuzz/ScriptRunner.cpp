// print-dialog scripts run against the real bundle: bad lines are refused
// with a message (UsageError) and nothing else may escape the panel or the
// runner. The folder button is left out: it would reach for whatever
// address a script types.
#include <sstream>

#include "fuzz/FuzzSupport.h"
#include "host/DialogSetup.h"
#include "host/InputText.h"
#include "host/PlugInLoader.h"
#include "host/ScriptRunner.h"
#include "host/ScriptedHost.h"
#include "platform/controls/Alert.h"

using host::DialogSetup;
using host::LoadedPlugIn;
using host::ScriptedHost;
using host::ScriptRunner;
using host::UsageError;

namespace {

LoadedPlugIn& plugIn() {
    static LoadedPlugIn loaded(NELVO_BUNDLE_DIR);
    return loaded;
}

std::string withoutFolderFetches(const std::string& script) {
    std::istringstream in(script);
    std::string kept;
    for (std::string line; std::getline(in, line);)
        if (line.find("getFolderName") == std::string::npos) kept += line + "\n";
    return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz_support::privateHome();
    platform::setAlertPresenter([](const platform::AlertRequest&) {});
    // The dialog as it opens without CUPS: the sample PPD and queue.
    DialogSetup setup;
    setup.printer = "Office_MFP";
    setup.ppd = NELVO_BUILD_DIR "/examples/NelvoZlm420k.ppd";
    setup.deviceURI = "socket://127.0.0.1:9100";
    setup.jobName = "Untitled";
    auto host = std::make_shared<ScriptedHost>(setup);
    std::istringstream script(withoutFolderFetches(fuzz_support::textOf(data, size)));
    std::ostringstream out;
    try {
        ScriptRunner runner(plugIn(), host, out);
        runner.run(script);
    } catch (const UsageError&) {}
    return 0;
}
