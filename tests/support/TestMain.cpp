// Runs the tests of one program with HOME, XDG_CONFIG_HOME and TMPDIR pointing
// into a private directory, so that no test reads or writes the user's own
// defaults or temporary files, nor the machine's print server, and removes
// that directory afterwards.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/PrivateHome.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);

    const std::filesystem::path home = enterPrivateHome("nelvo-home");
    if (home.empty()) return 3;
    // Nothing reaches the machine's own CUPS: a test that wants a print
    // server starts its own (PrivateCups) and points CUPS_SERVER there.
    setenv("CUPS_SERVER", (home / "no-cups-server").c_str(), 1);
    unsetenv("PRINTER");
    unsetenv("LPDEST");
    // A private CUPS run as root starts its filters as the user lp, who
    // must pass through this folder to reach them (passing, not listing).
    std::filesystem::permissions(home, std::filesystem::perms::others_exec | std::filesystem::perms::group_exec,
                                 std::filesystem::perm_options::add);

    const int result = RUN_ALL_TESTS();

    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return result;
}
