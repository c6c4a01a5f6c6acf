#pragma once

#include <cstddef>

#include "lsp/Document.h"
#include "lsp/GrammarOutline.h"
#include "lsp/Json.h"
#include "lsp/SpecificationOutline.h"

namespace lsp {

/// What to show for the place at offset of a specification: for a type, its
/// promotion chains and constructor arguments; for a method's name, the
/// signature Type.java gives it, the classes that define it and what the
/// others get. Null where there is nothing to say.
Json specificationHover(const Document& document, const SpecificationOutline& outline, std::size_t offset);

/// For a typechecking block of a grammar, the try block Perlan writes for it.
Json grammarHover(const Document& document, const GrammarOutline& outline, std::size_t offset);

}  // namespace lsp
