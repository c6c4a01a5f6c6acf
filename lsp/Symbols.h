#pragma once

#include "lsp/Document.h"
#include "lsp/GrammarOutline.h"
#include "lsp/Json.h"
#include "lsp/SpecificationOutline.h"

namespace lsp {

/// The outline of a specification as document symbols: the preamble, the
/// Types directive with each type and its chains, each class with its
/// arguments and its methods with their signatures. Nested when the client
/// takes nesting (`hierarchical`), else a flat list with container names.
Json specificationSymbols(const Document& document, const SpecificationOutline& outline, bool hierarchical);

/// The outline of a grammar: its sections, each rule in the rules section,
/// each typechecking block in its rule.
Json grammarSymbols(const Document& document, const GrammarOutline& outline, bool hierarchical);

}  // namespace lsp
