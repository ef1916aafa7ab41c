// private-cupsd.sh writes PORT and DIR into the scheduler's configuration,
// one directive a line: arguments that would add lines of their own are
// refused before anything is written.
#include <gtest/gtest.h>

#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace {

struct Arguments {
    const char* name;
    std::string directory;  // under the test's folder
    std::string port;
    const char* message;
};

void PrintTo(const Arguments& arguments, std::ostream* out) {
    *out << arguments.name;
}

class PrivateCupsdRefuses : public testing::TestWithParam<Arguments> {};

TEST_P(PrivateCupsdRefuses, BeforeWritingTheConfiguration) {
    const TempDir dir;
    const std::string directory = (dir.path() / GetParam().directory).string();
    const ProgramResult result = runProgram({NELVO_SOURCE_DIR "/scripts/private-cupsd.sh", directory, GetParam().port});
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_NE(result.err.find(GetParam().message), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(dir.path() / GetParam().directory));
}

INSTANTIATE_TEST_SUITE_P(Arguments, PrivateCupsdRefuses,
                         testing::Values(Arguments{"PortWithALineBreak", "cups", "631\nListen 0.0.0.0:631",
                                                   "PORT must be a number"},
                                         Arguments{"PortOfLetters", "cups", "http", "PORT must be a number"},
                                         Arguments{"EmptyPort", "cups", "", "PORT must be a number"},
                                         Arguments{"PortOutOfRange", "cups", "70000", "PORT must be from 1 to 65535"},
                                         Arguments{"DirectoryWithALineBreak", "cups\nServerBin /tmp", "6310",
                                                   "DIR must not hold a line break"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
