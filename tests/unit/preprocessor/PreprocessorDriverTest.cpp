#include "preprocessor/PreprocessorDriver.h"

#include <gtest/gtest.h>

#include <sstream>

namespace perlan {
namespace {

// A program may be started with an empty argument vector; the usage text then
// names the program itself instead of reading past the vector.
TEST(PreprocessorDriver, ShowsUsageWithoutAnyArgumentVector) {
    std::ostringstream err;
    EXPECT_EQ(runPerlan({}, err), exitStatus::badCommandLine);
    EXPECT_EQ(err.str(), "\n\tUsage: Perlan input_file [output_file]\n");
}

}  // namespace
}  // namespace perlan
