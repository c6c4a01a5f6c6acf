#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lsp/LineIndex.h"
#include "lsp/SpecificationOutline.h"

namespace lsp {

/// A comment "/*< ... >*/" in a semantic action, which Perlan rewrites into
/// a try block.
struct TypecheckingBlock {
    Span span;     ///< from "/*<" to ">*/"
    Span content;  ///< between "<" and ">*/"
};

struct GrammarRule {
    NamedSpan name;  ///< the nonterminal on the left
    Span span;       ///< from the name to the ";" or the last symbol
    std::vector<Span> actions;
    std::vector<TypecheckingBlock> blocks;
};

/// Where the parts of a grammar are. Literals, comments and actions are
/// delimited as Perlan delimits them, so that braces and markers inside them
/// count for nothing here either.
struct GrammarOutline {
    Span declarations;                 ///< from the start to the first "%%"
    std::optional<Span> preamble;      ///< from "%{" to "%}"
    std::optional<Span> rulesSection;  ///< from the first "%%" through the second
    std::optional<Span> trailer;       ///< after the second "%%"
    std::vector<GrammarRule> rules;
    /// The names used in rule bodies and in %type, %start and %nterm
    /// declarations (not the names on the left of rules).
    std::vector<NamedSpan> symbols;

    /// Whether some rule has this name on its left.
    bool isNonterminal(std::string_view name) const;
};

GrammarOutline outlineGrammar(std::string_view text);

}  // namespace lsp
