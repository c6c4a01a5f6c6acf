#include "lsp/Navigation.h"

#include <algorithm>
#include <set>

#include "lsp/Protocol.h"

namespace lsp {

std::vector<Occurrence> specificationOccurrences(const SpecificationOutline& outline) {
    std::vector<Occurrence> occurrences;
    std::set<std::string, std::less<>> names;
    std::set<std::string, std::less<>> defined;
    for (const ClassOutline& definition : outline.classes) {
        if (definition.name.name.empty()) continue;
        names.insert(definition.name.name);
        occurrences.push_back(
            {definition.name.name, definition.name.span, defined.insert(definition.name.name).second});
    }
    for (const auto& chain : outline.chains)
        for (const NamedSpan& type : chain) {
            names.insert(type.name);
            // A type without a class is defined where the directive first names it.
            occurrences.push_back({type.name, type.span, defined.insert(type.name).second});
        }
    for (const NamedSpan& quoted : outline.quotedNames)
        if (names.count(quoted.name)) occurrences.push_back({quoted.name, quoted.span, false});
    std::sort(occurrences.begin(), occurrences.end(),
              [](const Occurrence& a, const Occurrence& b) { return a.span.begin < b.span.begin; });
    return occurrences;
}

std::vector<Occurrence> grammarOccurrences(const GrammarOutline& outline) {
    std::vector<Occurrence> occurrences;
    std::set<std::string, std::less<>> nonterminals;
    for (const GrammarRule& rule : outline.rules) {
        nonterminals.insert(rule.name.name);
        occurrences.push_back({rule.name.name, rule.name.span, true});
    }
    for (const NamedSpan& symbol : outline.symbols)
        if (nonterminals.count(symbol.name)) occurrences.push_back({symbol.name, symbol.span, false});
    std::sort(occurrences.begin(), occurrences.end(),
              [](const Occurrence& a, const Occurrence& b) { return a.span.begin < b.span.begin; });
    return occurrences;
}

const Occurrence* occurrenceAt(const std::vector<Occurrence>& occurrences, std::size_t offset) {
    // The last occurrence that starts at or before the offset.
    auto after = std::upper_bound(occurrences.begin(), occurrences.end(), offset,
                                  [](std::size_t at, const Occurrence& o) { return at < o.span.begin; });
    if (after == occurrences.begin()) return nullptr;
    const Occurrence& candidate = *(after - 1);
    return candidate.span.touches(offset) ? &candidate : nullptr;
}

Json definitionJson(const Document& document, const std::vector<Occurrence>& occurrences, std::size_t offset) {
    const Occurrence* at = occurrenceAt(occurrences, offset);
    if (!at) return nullptr;
    Json locations = Json::array();
    for (const Occurrence& occurrence : occurrences)
        if (occurrence.definition && occurrence.name == at->name)
            locations.push_back(locationJson(document.uri(), document.lines(), occurrence.span));
    return locations;
}

Json referencesJson(const Document& document, const std::vector<Occurrence>& occurrences, std::size_t offset,
                    bool includeDeclaration) {
    const Occurrence* at = occurrenceAt(occurrences, offset);
    if (!at) return nullptr;
    Json locations = Json::array();
    for (const Occurrence& occurrence : occurrences)
        if (occurrence.name == at->name && (includeDeclaration || !occurrence.definition))
            locations.push_back(locationJson(document.uri(), document.lines(), occurrence.span));
    return locations;
}

}  // namespace lsp
