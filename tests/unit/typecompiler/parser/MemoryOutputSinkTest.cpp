#include "typecompiler/parser/MemoryOutputSink.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "TestData.h"
#include "common/CompilerError.h"
#include "typecompiler/generator/TypeExceptionWriter.h"
#include "typecompiler/options/SwitchParsing.h"
#include "typecompiler/options/SwitchTable.h"
#include "typecompiler/parser/SpecificationParser.h"

namespace vastor {
namespace {

/// A memory sink that also records the order in which the parser calls it.
struct RecordingSink : MemoryOutputSink {
    std::string calls;

    std::ostream& createTypeJava() override {
        calls += "create ";
        return MemoryOutputSink::createTypeJava();
    }
    void closeTypeJava() override {
        calls += "close ";
        MemoryOutputSink::closeTypeJava();
    }
    void writeTypeException(const std::string& path, std::string_view text) override {
        calls += "exception ";
        MemoryOutputSink::writeTypeException(path, text);
    }
};

// Golden cases run in memory: the parser, given a memory sink, must give the
// texts the tool writes into files and on standard error, and call the sink
// in the tool's order of events (Type.java created first, TypeException.java
// written before anything is read, Type.java closed only after a correct run).
TEST(MemoryOutputSink, GivesWhatTheToolWritesInFilesAndCallsInItsOrder) {
    struct Case {
        const char* goldenCase;
        const char* switches[2];  // as on the command line; null for none
        const char* apiDirectory;
        const char* calls;
    };
    const Case cases[] = {
        {"accept-rich-specification", {"-API=api"}, "api", "create exception close "},
        {"accept-base-error-type-exception",
         {"-baseError=antlr.RecognitionException", "-API=lib"},
         "lib",
         "create exception close "},
        {"semantic-notes-for-equals-and-cast", {}, nullptr, "create close "},
        {"semantic-note-then-error", {}, nullptr, "create "},
        {"safe-type-exception-stays-after-error", {"-API=lib"}, "lib", "create exception "},
        {"scanner-end-of-input-in-method-body", {}, nullptr, "create "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.goldenCase);
        const std::string golden = std::string("vastor/") + c.goldenCase;
        std::istringstream input(readGoldenFile(golden + "/in/spec.txt"));
        RecordingSink output;
        SwitchTable configuration(output.notices());
        for (const char* argument : c.switches)
            if (argument) parseSwitch(argument, configuration);
        std::string error;
        try {
            SpecificationParser parser(input, configuration, output);
            parser.parse();
        } catch (const common::CompilerError& raised) {
            error = raised.text() + '\n';
        }

        EXPECT_EQ(output.noticeText() + error, readGoldenFile(golden + "/stderr"));
        EXPECT_EQ(output.typeJava(), readGoldenFile(golden + "/expected/Type.java"));
        EXPECT_EQ(output.calls, c.calls);
        if (c.apiDirectory) {
            EXPECT_EQ(output.typeExceptionPath(), typeExceptionPath(c.apiDirectory));
            EXPECT_EQ(output.typeExceptionText(),
                      readGoldenFile(golden + "/expected/" + c.apiDirectory + "/errorHandling/TypeException.java"));
        } else {
            EXPECT_EQ(output.typeExceptionPath(), "");
        }
    }
}

}  // namespace
}  // namespace vastor
