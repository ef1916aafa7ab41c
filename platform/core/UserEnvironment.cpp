#include "platform/core/UserEnvironment.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <vector>

namespace {

bool isDirectory(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// "/tmp/nelvo-<uid>", created 0700 when missing; trusted only when it is a
// real directory of this user that nobody else can enter.
std::optional<std::string> privateTemporaryDirectory() {
    const uid_t uid = getuid();
    const std::string path = "/tmp/nelvo-" + std::to_string(uid);
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return std::nullopt;
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != uid || (info.st_mode & 077) != 0)
        return std::nullopt;
    return path;
}

}  // namespace

std::optional<std::string> NSFullUserName() {
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found) return std::nullopt;
    std::string gecos = found->pw_gecos ? found->pw_gecos : "";
    // The full name is the first comma-separated field of the GECOS entry.
    gecos = gecos.substr(0, gecos.find(','));
    if (gecos.empty()) gecos = found->pw_name ? found->pw_name : "";
    if (gecos.empty()) return std::nullopt;
    return gecos;
}

std::optional<std::string> NSTemporaryDirectory() {
    std::optional<std::string> directory;
    if (const char* tmpdir = std::getenv("TMPDIR"); tmpdir && *tmpdir && isDirectory(tmpdir))
        directory = tmpdir;
    else
        directory = privateTemporaryDirectory();
    if (directory && directory->back() != '/') directory->push_back('/');
    return directory;
}
