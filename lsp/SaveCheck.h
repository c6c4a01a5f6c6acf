#pragma once

#include <atomic>
#include <string>
#include <string_view>
#include <vector>

#include "lsp/Document.h"
#include "lsp/Findings.h"

namespace lsp {

class SourceMap;

/// What a check on save needs, taken from the server when the document is
/// saved: the check then runs on its own, away from the server's thread.
struct SaveCheckJob {
    std::string uri;
    long version = 0;
    Language language = Language::specification;
    /// Type.java for a specification, the rewritten grammar for a grammar.
    std::string generated;
    std::string lineMap;        ///< of Type.java
    std::string typeException;  ///< the text of TypeException.java
    std::string apiSources;     ///< the folder of the Java API's sources
    std::string program;        ///< javac or byaccj
    std::string grammarText;    ///< the grammar as the editor has it
};

struct SaveCheckResult {
    std::string uri;
    long version = 0;
    std::vector<LineMessage> messages;  ///< at the lines of the document
    std::string log;                    ///< what to tell the log
};

/// Writes the generated text into a folder of its own, runs javac (with the
/// API's sources) or byacc/J on it and reads their messages back at the
/// document's lines.
/// Stops the program as soon as `stop` is set.
SaveCheckResult runSaveCheck(const SaveCheckJob& job, const std::atomic<bool>* stop = nullptr);

/// javac's messages about Type.java, at the specification's lines through
/// the line map; messages about other files at line 0.
std::vector<LineMessage> javacMessages(std::string_view output, const SourceMap& map);

/// byacc/J's messages about the rewritten grammar, at the grammar's lines
/// (the rewriting keeps every line where it is). Messages without a line
/// that name a symbol go to its first use in the grammar.
std::vector<LineMessage> byaccjMessages(std::string_view output, std::string_view grammar);

}  // namespace lsp
