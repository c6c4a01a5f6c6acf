#pragma once

#include <string>
#include <vector>

#include "lsp/Document.h"
#include "lsp/GrammarOutline.h"
#include "lsp/Json.h"
#include "lsp/SpecificationOutline.h"

namespace lsp {

/// A place where a type (in a specification) or a nonterminal (in a
/// grammar) is named.
struct Occurrence {
    std::string name;
    Span span;
    /// Where the name is defined: a type's class header, or its first place
    /// in the Types directive when it has no class (it gets a default class);
    /// the left side of a nonterminal's rules.
    bool definition = false;
};

/// Every place a type is named, in text order: the Types directive, the class
/// headers, and string literals of the Java code that hold exactly a type's
/// name (such as getType("real")).
std::vector<Occurrence> specificationOccurrences(const SpecificationOutline& outline);

/// Every place a nonterminal is named: the left side of its rules, the rule
/// bodies, and %type, %start and %nterm declarations.
std::vector<Occurrence> grammarOccurrences(const GrammarOutline& outline);

/// The occurrence at or right after which the offset stands, or null.
const Occurrence* occurrenceAt(const std::vector<Occurrence>& occurrences, std::size_t offset);

/// The definitions of the name at the offset, as protocol locations (null
/// when nothing is named there).
Json definitionJson(const Document& document, const std::vector<Occurrence>& occurrences, std::size_t offset);

/// Every place the name at the offset is named; definitions only when asked.
Json referencesJson(const Document& document, const std::vector<Occurrence>& occurrences, std::size_t offset,
                    bool includeDeclaration);

}  // namespace lsp
