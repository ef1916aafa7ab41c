// Where the print dialog finds the files it needs besides itself: the
// bundle, the sample PPD, its own catalogues and the GTK front end's module. In the build tree they lie
// beside the program; once installed, in the private, PPD and locale folders
// found relative to the program's folder, so that a tree installed under
// any prefix (or staged with DESTDIR) finds its own files and no other's.
#pragma once

#include <filesystem>

namespace host {

struct ProgramFiles {
    std::filesystem::path bundle;
    std::filesystem::path samplePpd;
    std::filesystem::path localeDirectory;  // holds <language>/LC_MESSAGES/
    std::filesystem::path graphicalFrontEnd;
};

// The files of the program in `programDirectory`: the installed layout when
// the installed bundle is there, the build tree's otherwise.
ProgramFiles programFiles(const std::filesystem::path& programDirectory);

}  // namespace host
