// Which front end print-dialog runs: the command line decides first, then
// a terminal, then a display (a desktop launcher), and a script handed in
// on standard input is still read as one.
#include <gtest/gtest.h>

#include "host/FrontEndChoice.h"
#include "tests/support/RunProgram.h"

namespace host {

namespace {

struct Situation {
    const char* name;
    Options options;
    Surroundings surroundings;
    FrontEnd expected;
};

Options with(void (*set)(Options&)) {
    Options options;
    set(options);
    return options;
}

constexpr Surroundings kLauncher{false, false, true};
constexpr Surroundings kTerminalOnDesktop{true, false, true};
constexpr Surroundings kPipeOnDesktop{false, true, true};
constexpr Surroundings kHeadlessPipe{false, true, false};
constexpr Surroundings kNothing{false, false, false};

void PrintTo(const Situation& situation, std::ostream* out) {
    *out << situation.name;
}

class FrontEndChoice : public testing::TestWithParam<Situation> {};

TEST_P(FrontEndChoice, FollowsTheCommandLineThenTheSurroundings) {
    EXPECT_EQ(chooseFrontEnd(GetParam().options, GetParam().surroundings), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Situations, FrontEndChoice,
    testing::Values(Situation{"Launcher", {}, kLauncher, FrontEnd::graphical},
                    Situation{"TerminalOnADesktop", {}, kTerminalOnDesktop, FrontEnd::terminal},
                    Situation{"ScriptPipedInOnADesktop", {}, kPipeOnDesktop, FrontEnd::script},
                    Situation{"ScriptNamedOnADesktop", with([](Options& o) { o.script = "-"; }), kLauncher,
                              FrontEnd::script},
                    Situation{"InteractiveOnADesktop", with([](Options& o) { o.interactive = true; }), kLauncher,
                              FrontEnd::terminal},
                    Situation{"GuiWithAScript", with([](Options& o) { o.script = "-", o.gui = true; }), kHeadlessPipe,
                              FrontEnd::graphical},
                    Situation{"HeadlessPipe", {}, kHeadlessPipe, FrontEnd::script},
                    Situation{"NoTerminalNoDisplay", {}, kNothing, FrontEnd::script}),
    [](const testing::TestParamInfo<Situation>& info) { return std::string(info.param.name); });

// The program itself, started as a launcher starts it: standard input
// from /dev/null. With a display named it goes for GTK's dialog (here one
// that does not exist, so it says so); without one it runs the empty
// script as before.
ProgramResult startedLikeALauncher(const std::string& display) {
    return runProgram({"/bin/sh", "-c", "exec \"$0\" < /dev/null", NELVO_BUILD_DIR "/print-dialog"}, {},
                      {{"DISPLAY", display}, {"WAYLAND_DISPLAY", ""}, {"LC_ALL", "C"}});
}

TEST(FrontEndChoiceProgram, ALauncherWithADisplayGetsGtksDialog) {
    const ProgramResult result = startedLikeALauncher(":65000");
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_NE(result.err.find("the graphical dialog needs a display"), std::string::npos) << result.err;
}

TEST(FrontEndChoiceProgram, WithoutADisplayNorATerminalTheScriptRunsAsBefore) {
    const ProgramResult result = startedLikeALauncher("");
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out, "");
}

}  // namespace

}  // namespace host
