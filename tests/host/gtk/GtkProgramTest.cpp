// print-dialog --gui with a script, as the README's pictures are made: each
// tab of the panel is drawn into a PNG of the window's size that is not
// blank, and Cancel submits nothing.
#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"
#include "tests/support/XvfbDisplay.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

namespace {

ProgramResult runGraphicalDialog(const std::string& script) {
    return runProgram({NELVO_BUILD_DIR "/print-dialog", "--gui", "--printer", "Print to File", "-"}, script,
                      {{"DISPLAY", privateDisplay()}});
}

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<guchar> pixels;
};

Picture readPicture(const std::filesystem::path& path) {
    GdkTexture* texture = gdk_texture_new_from_filename(path.c_str(), nullptr);
    if (!texture) return {};
    Picture picture{gdk_texture_get_width(texture), gdk_texture_get_height(texture), {}};
    picture.pixels.resize(static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height) * 4);
    gdk_texture_download(texture, picture.pixels.data(), static_cast<size_t>(picture.width) * 4);
    g_object_unref(texture);
    return picture;
}

bool allPixelsAlike(const Picture& picture) {
    for (size_t at = 4; at < picture.pixels.size(); ++at)
        if (picture.pixels[at] != picture.pixels[at % 4]) return false;
    return true;
}

}  // namespace

TEST(GraphicalDialogProgram, EachTabIsDrawnToAPictureAndCancelSubmitsNothing) {
    const TempDir directory;
    std::string script;
    for (int tab = 0; tab < 3; ++tab)
        script += "select tabView " + std::to_string(tab) + "\nscreenshot " +
                  (directory.path() / ("tab" + std::to_string(tab) + ".png")).string() + "\n";
    const ProgramResult result = runGraphicalDialog(script + "cancel\n");
    EXPECT_EQ(result.exitStatus, 1) << result.err;
    EXPECT_EQ(result.out.find('='), std::string::npos) << "nothing printed after Cancel:\n" << result.out;

    std::vector<Picture> pictures;
    for (int tab = 0; tab < 3; ++tab)
        pictures.push_back(readPicture(directory.path() / ("tab" + std::to_string(tab) + ".png")));
    for (const Picture& picture : pictures) {
        EXPECT_GE(picture.width, 400);
        EXPECT_GE(picture.height, 300);
        EXPECT_EQ(picture.width, pictures.front().width);
        EXPECT_EQ(picture.height, pictures.front().height);
        EXPECT_FALSE(allPixelsAlike(picture));
    }
    EXPECT_NE(pictures[0].pixels, pictures[1].pixels) << "the tabs differ";
}
