#include <gtest/gtest.h>

#include "TestData.h"
#include "common/FileNames.h"
#include "typecompiler/generator/TypeExceptionWriter.h"

namespace vastor {
namespace {

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

}  // namespace
}  // namespace vastor
