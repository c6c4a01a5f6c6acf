#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lsp/LineIndex.h"

namespace lsp {

/// A name and where it is written.
struct NamedSpan {
    std::string name;
    Span span;
};

struct ClassArgument {
    std::string kind;  ///< "Type" or "String", with "+" when it repeats
    Span span;
};

struct MethodParameter {
    std::string type;
    std::string name;
};

struct MethodOutline {
    std::string resultType;
    NamedSpan name;
    std::vector<MethodParameter> parameters;
    Span span;  ///< from the result type to the brace that closes the body
    Span body;  ///< between the braces

    /// "f (int, String)", the identity of a method in the tool's rules.
    std::string keySignature() const;
    /// "void f (int a, String b)", the method as written.
    std::string declaration() const;
};

struct ClassOutline {
    NamedSpan name;
    Span span;                         ///< from "class" to the closing brace, or as far as it could be read
    std::optional<Span> argumentList;  ///< the parentheses and what is between them
    std::vector<ClassArgument> arguments;
    std::vector<MethodOutline> methods;
    std::vector<Span> codeBlocks;  ///< from "%{" to "%}"
};

/// Where the parts of a specification are: read with Vastor's own scanner,
/// as far as it gets, and again from each later line that starts with the
/// word class when an error stops it, so that a mistake in one class leaves
/// the others in place.
struct SpecificationOutline {
    std::optional<Span> preamble;       ///< from "%" to "%}"
    std::optional<Span> directive;      ///< from "Types" to its closing brace, or as far as it goes
    std::optional<Span> directiveBody;  ///< what is between its braces
    std::vector<std::vector<NamedSpan>> chains;
    std::vector<ClassOutline> classes;
    std::vector<Span> javaTexts;  ///< preamble, code blocks and method bodies
    /// The string literals of the Java text whose contents could be a type
    /// name; the span is what lies between the quotes.
    std::vector<NamedSpan> quotedNames;

    /// The names of the directive, each once, in byte order.
    std::vector<std::string> typeNames() const;
    /// The first definition of a class, or null.
    const ClassOutline* findClass(std::string_view name) const;
};

SpecificationOutline outlineSpecification(std::string_view text);

}  // namespace lsp
