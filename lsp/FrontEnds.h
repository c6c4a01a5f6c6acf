#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lsp {

/// What Vastor's front end says about a specification, run in memory on a
/// text: no file is read or written.
struct VastorRun {
    /// The text of the first error, as the tool prints it (Latin-1 bytes
    /// included); empty when the specification is accepted.
    std::string error;
    /// The notes written before the end or the error, one per line.
    std::string notices;
    /// The text of Type.java; empty after an error.
    std::string typeJava;
    /// The line map of Type.java (when asked for and accepted).
    std::string lineMap;
};

/// Runs Vastor's scanner, parser, checks and writers on a specification.
/// With lineMapSource set, also makes the line map from the lines of
/// Type.java to those of the specification named so.
VastorRun runVastor(std::string_view specification, std::string_view lineMapSource = {});

/// What Perlan says about a grammar, run in memory.
struct PerlanRun {
    std::string error;   ///< as for VastorRun
    std::string output;  ///< the rewritten grammar, when asked for and accepted
};

/// Runs Perlan's scanner and parser on a grammar; keeps the rewritten
/// grammar when keepOutput is set.
PerlanRun runPerlan(std::string_view grammar, bool keepOutput);

/// What Perlan writes for a typechecking block ("/*< ... >*/") in an action;
/// the block itself when Perlan would not take it.
std::string perlanRewrite(std::string_view block);

/// The head Type.java gives class Type's delegation of a method:
/// "public boolean equalsTo (Type t) throws TypeException".
std::string typeJavaSignature(const std::string& resultType, const std::string& name,
                              const std::vector<std::pair<std::string, std::string>>& parameters);

/// The text of TypeException.java as Vastor writes it without -baseError.
std::string typeExceptionSource();

}  // namespace lsp
