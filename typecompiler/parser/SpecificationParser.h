#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/ByteReader.h"
#include "typecompiler/model/Method.h"
#include "typecompiler/model/Parameter.h"
#include "typecompiler/options/SwitchTable.h"
#include "typecompiler/parser/ClassTable.h"
#include "typecompiler/parser/OutputSink.h"
#include "typecompiler/scanner/ClassBodyState.h"
#include "typecompiler/scanner/EmbeddedCodeState.h"
#include "typecompiler/scanner/MethodBodyState.h"
#include "typecompiler/scanner/ScannerTokenizer.h"
#include "typecompiler/scanner/TopLevelState.h"

namespace vastor {

/// Reads one type specification by recursive descent, with one token of
/// look-ahead, and turns every construct into a ClassTable event. It picks
/// the scanner state before each token: Java text (preamble, class code,
/// method bodies) comes back whole as one token.
class SpecificationParser {
public:
    /// Has output create Type.java, then, when the configuration has "API",
    /// write TypeException.java, before anything is read; what output raises
    /// passes through. Output must outlive the parser. `inputBufferBytes`
    /// sizes the scanner's input buffer.
    SpecificationParser(std::istream& input, const SwitchTable& configuration, OutputSink& output,
                        std::size_t inputBufferBytes = common::ByteReader::defaultBufferSize);

    SpecificationParser(const SpecificationParser&) = delete;
    SpecificationParser& operator=(const SpecificationParser&) = delete;

    /// Prepares the output buffers for a specification of about this many
    /// bytes (a hint: large inputs are then written without regrowing them).
    void expectInputSize(std::size_t bytes) { classTable_.reserveForInput(bytes); }

    /// Keeps where each line of Type.java comes from; call before parse().
    void enableLineMap() { classTable_.enableLineMap(); }
    /// After a successful parse() with enableLineMap(): the map from the
    /// lines of Type.java to those of the specification sourcePath.
    std::string lineMap(std::string_view sourceName, std::string_view sourcePath) const {
        return classTable_.lineMap(sourceName, sourcePath);
    }

    /// Reads the whole specification and, when it is correct, writes the
    /// text of Type.java in one go and has the output close it. Raises the
    /// first scanner, syntax or semantic error; raises OutputWriteError "Can
    /// not write output file Type.java" when the text cannot be written.
    void parse();

private:
    void writeTypeExceptionFile();

    void parsePreamble();
    void parseTypesDirective();
    void parsePromotionChain();
    void parseClassDefinition();
    void parseClassArgument();
    bool parseMember();
    void parseMethodDefinition();
    bool parseParameter();

    /// Raises a syntax error with message unless the current token is kind.
    void check(int kind, std::string_view message) const;
    /// Fetches the next token, then check().
    void nextCheck(int kind, std::string_view message);
    int advance() { return scanner_.yylex(); }
    [[noreturn]] void fail(std::string_view message) const;

    OutputSink& output_;
    std::ostream& typeJava_;
    const SwitchTable& configuration_;
    ScannerTokenizer scanner_;
    ClassBodyState classBodyState_;
    MethodBodyState methodBodyState_;
    TopLevelState topLevelState_;
    EmbeddedCodeState embeddedCodeState_;
    // Refilled for every method, keeping their room: the record handed to the
    // class table and the texts it is made of. A fresh record for each method
    // cost about three allocations a method (name, key signature, parameter
    // list; benchmarks/RESULTS.md).
    std::string methodName_;
    std::string methodResultType_;
    std::vector<Parameter> methodParameters_;
    std::size_t parameterCount_ = 0;
    Method method_;
    ClassTable classTable_;
};

}  // namespace vastor
