#include "platform/core/PrivateFolder.h"

#include <sys/stat.h>
#include <cerrno>
#include <vector>

namespace platform {

bool makePrivateFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::vector<std::filesystem::path> missing;
    for (std::filesystem::path above = folder; !above.empty() && !std::filesystem::exists(above, error);
         above = above.parent_path()) {
        missing.push_back(above);
        if (above == above.parent_path()) break;
    }
    // Outermost first; mkdir takes the mode as given, less the umask's bits,
    // and 0700 has none that an umask could widen.
    for (auto above = missing.rbegin(); above != missing.rend(); ++above) {
        if (::mkdir(above->c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    if (!std::filesystem::is_directory(folder, error)) {
        errno = ENOTDIR;
        return false;
    }
    ::chmod(folder.c_str(), 0700);
    return true;
}

}  // namespace platform
