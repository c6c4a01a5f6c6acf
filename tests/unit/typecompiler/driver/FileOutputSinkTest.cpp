#include "typecompiler/driver/FileOutputSink.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "common/FileNames.h"
#include "common/IoError.h"
#include "typecompiler/generator/TypeExceptionWriter.h"

namespace vastor {
namespace {

namespace fs = std::filesystem;

// The separators of the system the tests run on.
const std::string separator(1, common::pathSeparator());
const std::string suffix = separator + "errorHandling" + separator + "TypeException.java";

/// Writes TypeException.java below the API directory as the tool does.
void writeTypeException(const std::string& apiDirectory, const std::optional<std::string>& baseError) {
    std::ostringstream notices;
    FileOutputSink(notices).writeTypeException(typeExceptionPath(apiDirectory), typeExceptionText(baseError));
}

/// A fresh API directory with its errorHandling folder, removed afterwards.
struct ApiDirectory : ::testing::Test {
    fs::path api = fs::temp_directory_path() / ("driver_tests_api_" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(api / "errorHandling"); }
    void TearDown() override { fs::remove_all(api); }
    std::string raised(const std::string& directory) {
        try {
            writeTypeException(directory, std::nullopt);
        } catch (const common::IoError& error) {
            return error.what();
        }
        return "nothing raised";
    }
};

TEST_F(ApiDirectory, WritesTheFileAndTruncatesAnOldOne) {
    std::ofstream(api / "errorHandling" / "TypeException.java") << std::string(5000, 'x');
    writeTypeException(api.string(), "MyError");
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
