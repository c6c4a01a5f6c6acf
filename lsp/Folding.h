#pragma once

#include "lsp/Document.h"
#include "lsp/GrammarOutline.h"
#include "lsp/Json.h"
#include "lsp/SpecificationOutline.h"

namespace lsp {

/// Folding ranges of a specification: the preamble, each class, each method
/// and code block that spans lines.
Json specificationFolds(const Document& document, const SpecificationOutline& outline);

/// Folding ranges of a grammar: the preamble, each rule, action and
/// typechecking block that spans lines.
Json grammarFolds(const Document& document, const GrammarOutline& outline);

}  // namespace lsp
