#pragma once

#include <cstddef>

#include "lsp/Document.h"
#include "lsp/GrammarOutline.h"
#include "lsp/Json.h"
#include "lsp/SpecificationOutline.h"

namespace lsp {

/// Completions at offset of a specification: Type and String in a class's
/// argument list; the types still without a class after the word class; the
/// types in the Types directive and in a string literal of the Java code.
Json specificationCompletion(const Document& document, const SpecificationOutline& outline, std::size_t offset);

/// Completions at offset of a grammar: the nonterminals, in the rules
/// section outside actions.
Json grammarCompletion(const Document& document, const GrammarOutline& outline, std::size_t offset);

}  // namespace lsp
