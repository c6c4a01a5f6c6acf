#include "lsp/Symbols.h"

#include <map>
#include <string>
#include <vector>

#include "lsp/Protocol.h"

namespace lsp {

namespace {

// Symbol kinds of the protocol.
namespace kind {
constexpr int module = 2;
constexpr int namespace_ = 3;
constexpr int class_ = 5;
constexpr int method = 6;
constexpr int function = 12;
constexpr int enum_ = 10;
constexpr int event = 24;
constexpr int enumMember = 22;
}  // namespace kind

struct Symbol {
    std::string name;
    std::string detail;
    int kind;
    Span span;
    Span selection;
    std::vector<Symbol> children;
};

Json hierarchicalJson(const Document& document, const Symbol& symbol) {
    Json json = {{"name", symbol.name},
                 {"kind", symbol.kind},
                 {"range", rangeJson(document.lines(), symbol.span)},
                 {"selectionRange", rangeJson(document.lines(), symbol.selection)}};
    if (!symbol.detail.empty()) json["detail"] = symbol.detail;
    if (!symbol.children.empty()) {
        Json children = Json::array();
        for (const Symbol& child : symbol.children) children.push_back(hierarchicalJson(document, child));
        json["children"] = std::move(children);
    }
    return json;
}

void flatten(const Document& document, const Symbol& symbol, const std::string& container, Json& out) {
    Json json = {{"name", symbol.name},
                 {"kind", symbol.kind},
                 {"location", locationJson(document.uri(), document.lines(), symbol.span)}};
    if (!container.empty()) json["containerName"] = container;
    out.push_back(std::move(json));
    for (const Symbol& child : symbol.children) flatten(document, child, symbol.name, out);
}

Json toJson(const Document& document, const std::vector<Symbol>& symbols, bool hierarchical) {
    Json json = Json::array();
    for (const Symbol& symbol : symbols) {
        if (hierarchical)
            json.push_back(hierarchicalJson(document, symbol));
        else
            flatten(document, symbol, {}, json);
    }
    return json;
}

// A blank-free excerpt of a text for a symbol's name: its first line, cut short.
std::string excerpt(std::string_view text) {
    std::string words;
    for (char c : text) {
        if (c == '\n' || c == '\r') break;
        if ((c == ' ' || c == '\t') && (words.empty() || words.back() == ' ')) continue;
        words += c == '\t' ? ' ' : c;
        if (words.size() >= 40) {
            // Cut at a character's start, never inside a UTF-8 sequence.
            while (!words.empty() && (static_cast<unsigned char>(words.back()) & 0xC0) == 0x80) words.pop_back();
            if (!words.empty() && static_cast<unsigned char>(words.back()) >= 0xC0) words.pop_back();
            return words + "...";
        }
    }
    while (!words.empty() && words.back() == ' ') words.pop_back();
    return words;
}

}  // namespace

Json specificationSymbols(const Document& document, const SpecificationOutline& outline, bool hierarchical) {
    std::vector<Symbol> symbols;
    if (outline.preamble) {
        const Span opening{outline.preamble->begin, outline.preamble->begin + 1};
        symbols.push_back({"preamble", {}, kind::namespace_, *outline.preamble, opening, {}});
    }
    if (outline.directive) {
        Symbol directive{
            "Types", {}, kind::enum_, *outline.directive, {outline.directive->begin, outline.directive->begin + 5}, {}};
        // Each type once, at its first place, with every chain it is in.
        std::map<std::string, std::size_t> index;
        for (const auto& chain : outline.chains) {
            std::string text;
            for (const NamedSpan& type : chain) text += (text.empty() ? "" : " < ") + type.name;
            for (const NamedSpan& type : chain) {
                const auto [place, added] = index.try_emplace(type.name, directive.children.size());
                if (added) {
                    directive.children.push_back({type.name, text, kind::enumMember, type.span, type.span, {}});
                } else {
                    std::string& detail = directive.children[place->second].detail;
                    if (detail != text && detail.find("; " + text) == std::string::npos) detail += "; " + text;
                }
            }
        }
        symbols.push_back(std::move(directive));
    }
    for (const ClassOutline& definition : outline.classes) {
        if (definition.name.name.empty()) continue;
        std::string arguments;
        for (const ClassArgument& argument : definition.arguments) {
            if (!arguments.empty()) arguments += ", ";
            arguments +=
                argument.kind.back() == '+' ? argument.kind.substr(0, argument.kind.size() - 1) + " +" : argument.kind;
        }
        Symbol symbol{definition.name.name, definition.arguments.empty() ? "" : "(" + arguments + ")",
                      kind::class_,         definition.span,
                      definition.name.span, {}};
        for (const MethodOutline& method : definition.methods)
            symbol.children.push_back(
                {method.name.name, method.declaration(), kind::method, method.span, method.name.span, {}});
        symbols.push_back(std::move(symbol));
    }
    return toJson(document, symbols, hierarchical);
}

Json grammarSymbols(const Document& document, const GrammarOutline& outline, bool hierarchical) {
    const std::string_view text = document.text();
    std::vector<Symbol> symbols;
    Symbol declarations{"declarations",
                        {},
                        kind::module,
                        outline.declarations,
                        {outline.declarations.begin, outline.declarations.begin},
                        {}};
    if (outline.preamble) {
        const Span opening{outline.preamble->begin, outline.preamble->begin + 2};
        declarations.children.push_back({"preamble", {}, kind::namespace_, *outline.preamble, opening, {}});
    }
    symbols.push_back(std::move(declarations));
    if (outline.rulesSection) {
        const Span marker{outline.rulesSection->begin, outline.rulesSection->begin + 2};
        Symbol rules{"rules", {}, kind::module, *outline.rulesSection, marker, {}};
        for (const GrammarRule& rule : outline.rules) {
            Symbol symbol{rule.name.name, {}, kind::function, rule.span, rule.name.span, {}};
            for (const TypecheckingBlock& block : rule.blocks) {
                const Span content = block.content;
                symbol.children.push_back(
                    {"/*< " + excerpt(text.substr(content.begin, content.end - content.begin)) + " >*/",
                     "typechecking block",
                     kind::event,
                     block.span,
                     {block.span.begin, block.span.begin + 3},
                     {}});
            }
            rules.children.push_back(std::move(symbol));
        }
        symbols.push_back(std::move(rules));
    }
    if (outline.trailer) {
        const Span marker{outline.trailer->begin - 2, outline.trailer->begin};
        symbols.push_back({"code", {}, kind::module, {marker.begin, outline.trailer->end}, marker, {}});
    }
    return toJson(document, symbols, hierarchical);
}

}  // namespace lsp
