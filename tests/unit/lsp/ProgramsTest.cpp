#include "lsp/Programs.h"

#include <gtest/gtest.h>

namespace lsp {
namespace {

// Perlan, built beside this test, serves as a program to run.
TEST(Programs, ARunGivesTheOutputAndTheStatus) {
#ifdef TYPETOOLS_NO_PROGRAMS_UNDER_EMULATION
    GTEST_SKIP() << "under qemu's user-mode emulation no other program of this machine can be started";
#endif
    const std::string perlan = findProgram(programDirectory() + "/Perlan");
    ASSERT_FALSE(perlan.empty());
    const ProgramRun run = runProgram({perlan}, programDirectory(), std::chrono::seconds(60));
    EXPECT_TRUE(run.started);
    EXPECT_FALSE(run.timedOut);
    EXPECT_NE(run.output.find(" input_file [output_file]"), std::string::npos) << run.output;
    EXPECT_TRUE(run.exitCode == 255 || run.exitCode == -1) << run.exitCode;

    const ProgramRun missing = runProgram({programDirectory() + "/no-such-program"}, {}, std::chrono::seconds(5));
    EXPECT_FALSE(missing.started);
    EXPECT_FALSE(missing.failure.empty());
    EXPECT_EQ(findProgram("no-such-program-anywhere"), "");
}

}  // namespace
}  // namespace lsp
