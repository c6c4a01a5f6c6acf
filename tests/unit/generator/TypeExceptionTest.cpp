#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>

#include "TestData.h"
#include "common/FileNames.h"
#include "common/IoError.h"
#include "typecompiler/generator/TypeExceptionWriter.h"

namespace vastor {
namespace {

namespace fs = std::filesystem;

TEST(TypeExceptionJava, BothVariantsByteForByte) {
    EXPECT_EQ(typeExceptionText(std::nullopt), readDataFile("TypeException_plain.java"));
    EXPECT_EQ(typeExceptionText("antlr.RecognitionException"), readDataFile("TypeException_baseError.java"));
}

// The separators of the system the tests run on.
const std::string separator(1, common::pathSeparator());
const std::string suffix = separator + "errorHandling" + separator + "TypeException.java";

TEST(TypeExceptionJava, PathIsAppendedWithoutTrimming) {
    EXPECT_EQ(typeExceptionPath("lib"), "lib" + suffix);
    EXPECT_EQ(typeExceptionPath("lib/"), "lib/" + suffix);
}

/// A fresh API directory with its errorHandling folder, removed afterwards.
struct ApiDirectory : ::testing::Test {
    fs::path api = fs::temp_directory_path() / ("generator_tests_api_" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(api / "errorHandling"); }
    void TearDown() override { fs::remove_all(api); }
    std::string raised(const std::string& directory) {
        try {
            writeTypeExceptionFile(directory, std::nullopt);
        } catch (const common::IoError& error) {
            return error.what();
        }
        return "nothing raised";
    }
};

TEST_F(ApiDirectory, WritesTheFileAndTruncatesAnOldOne) {
    std::ofstream(api / "errorHandling" / "TypeException.java") << std::string(5000, 'x');
    writeTypeExceptionFile(api.string(), "MyError");
    std::ifstream file(api / "errorHandling" / "TypeException.java", std::ios::binary);
    const std::string written{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(written, typeExceptionText("MyError"));
}

TEST_F(ApiDirectory, AMissingFolderCannotBeOpened) {
    const std::string directory = (api / "missing").string();
    EXPECT_EQ(raised(directory), "Can not open API TypeException.java file: " + directory + suffix);
}

TEST_F(ApiDirectory, AFailedWriteIsReported) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    fs::create_symlink("/dev/full", api / "errorHandling" / "TypeException.java");
    EXPECT_EQ(raised(api.string()), "Can not write API TypeException.java file: " + api.string() + suffix);
}

}  // namespace
}  // namespace vastor
