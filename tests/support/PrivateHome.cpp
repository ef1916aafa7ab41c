#include "tests/support/PrivateHome.h"

#include <cstdlib>
#include <vector>

std::filesystem::path enterPrivateHome(const std::string& prefix) {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data())) return {};
    const std::filesystem::path home = buffer.data();
    std::filesystem::create_directories(home / "config");
    std::filesystem::create_directories(home / "tmp");
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    setenv("TMPDIR", (home / "tmp").c_str(), 1);
    return home;
}
