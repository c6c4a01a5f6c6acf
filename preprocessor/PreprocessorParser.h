#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string_view>

#include "preprocessor/ActionMode.h"
#include "preprocessor/PreprocessorScanner.h"
#include "preprocessor/RulesMode.h"
#include "preprocessor/SectionMode.h"
#include "preprocessor/TrailerMode.h"

namespace perlan {

/// Checks the layout of a grammar file (optional preamble, "%%", rules with
/// actions, "%%", trailer) while its scanner copies the file to the output,
/// choosing the scanning mode for each part. Writes nothing of its own.
class PreprocessorParser {
public:
    /// Reads from `in` and writes to `out`; owns neither stream. `bufferBytes`
    /// sizes the scanner's input and output buffers.
    PreprocessorParser(std::istream& in, std::ostream& out,
                       std::size_t bufferBytes = PreprocessorScanner::defaultBufferSize);
    PreprocessorParser(const PreprocessorParser&) = delete;
    PreprocessorParser& operator=(const PreprocessorParser&) = delete;

    /// Copies the whole grammar to the output, rewriting typechecking blocks.
    /// Throws SyntaxError or LexicalError at the first fault, after writing out
    /// all that was copied up to it, and OutputWriteError when the output fails.
    void parse();

    /// Throws SyntaxError with `message` unless the current token is `token`.
    void expect(int token, std::string_view message);

private:
    void parseGrammar();

    PreprocessorScanner scanner_;
    TrailerMode trailerMode_;
    SectionMode sectionMode_;
    RulesMode rulesMode_;
    ActionMode actionMode_;
};

}  // namespace perlan
