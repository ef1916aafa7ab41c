#include "platform/core/UserEnvironment.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/core/PrivateFolder.h"

namespace {

bool isDirectory(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A real directory (not a link) of this user that nobody else may enter.
bool isOwnPrivateDirectory(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
           (info.st_mode & 077) == 0;
}

// A directory of this user (links followed: the user chose the path) in
// which nobody else can make or replace a file.
bool isOwnUnsharedDirectory(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// "<shared>/nelvo-<uid>", created 0700 when missing. Another user may have
// made it first: it is trusted only when it is this user's and private.
std::optional<std::string> ownFolderIn(const std::string& shared) {
    const std::string path = shared + "/nelvo-" + std::to_string(getuid());
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return std::nullopt;
    if (!isOwnPrivateDirectory(path)) return std::nullopt;
    return path;
}

std::optional<std::string> environmentPath(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value) return std::nullopt;
    return std::string(value);
}

// A folder under the user's runtime folder, or failing that the user's cache
// folder: both lie in folders that only the user can write to, so nobody
// can take the name first.
std::optional<std::string> folderInUsersOwnTree() {
    std::vector<std::filesystem::path> candidates;
    if (const auto runtime = environmentPath("XDG_RUNTIME_DIR"); runtime && isOwnUnsharedDirectory(*runtime))
        candidates.push_back(std::filesystem::path(*runtime) / "nelvo");
    if (const auto cache = environmentPath("XDG_CACHE_HOME"))
        candidates.push_back(std::filesystem::path(*cache) / "nelvo" / "tmp");
    else if (const auto home = environmentPath("HOME"))
        candidates.push_back(std::filesystem::path(*home) / ".cache" / "nelvo" / "tmp");
    for (const std::filesystem::path& candidate : candidates)
        if (platform::makePrivateFolder(candidate) && isOwnPrivateDirectory(candidate)) return candidate.string();
    return std::nullopt;
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
    std::string shared = "/tmp";
    std::optional<std::string> directory;
    if (const auto tmpdir = environmentPath("TMPDIR"); tmpdir && isDirectory(*tmpdir)) {
        if (isOwnUnsharedDirectory(*tmpdir)) directory = tmpdir;
        shared = *tmpdir;
    }
    // Never the shared folder itself: there another user's file or link
    // could stand where the user's belongs.
    if (!directory) directory = ownFolderIn(shared);
    if (!directory) directory = folderInUsersOwnTree();
    if (directory && directory->back() != '/') directory->push_back('/');
    return directory;
}
