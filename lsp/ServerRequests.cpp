// The server's answers about one document: outline, folding, navigation,
// hover and completion.
#include "lsp/Completion.h"
#include "lsp/Folding.h"
#include "lsp/Hover.h"
#include "lsp/Navigation.h"
#include "lsp/Protocol.h"
#include "lsp/Server.h"
#include "lsp/Symbols.h"

namespace lsp {

Json Server::documentSymbols(const Json& params) {
    OpenDocument& entry = open(documentUri(params));
    if (entry.document->language() == Language::specification)
        return specificationSymbols(*entry.document, specificationOutline(entry), hierarchicalSymbols_);
    return grammarSymbols(*entry.document, grammarOutline(entry), hierarchicalSymbols_);
}

Json Server::foldingRanges(const Json& params) {
    OpenDocument& entry = open(documentUri(params));
    if (entry.document->language() == Language::specification)
        return specificationFolds(*entry.document, specificationOutline(entry));
    return grammarFolds(*entry.document, grammarOutline(entry));
}

Json Server::definition(const Json& params) {
    OpenDocument& entry = open(documentUri(params));
    const std::size_t offset = offsetOf(entry, params);
    if (entry.document->language() == Language::specification)
        return definitionJson(*entry.document, specificationOccurrences(specificationOutline(entry)), offset);
    return definitionJson(*entry.document, grammarOccurrences(grammarOutline(entry)), offset);
}

Json Server::references(const Json& params) {
    OpenDocument& entry = open(documentUri(params));
    const std::size_t offset = offsetOf(entry, params);
    const Json* context = optionalMember(params, "context", Json::value_t::object);
    const Json* include = context ? optionalMember(*context, "includeDeclaration", Json::value_t::boolean) : nullptr;
    const bool includeDeclaration = include && include->get<bool>();
    if (entry.document->language() == Language::specification)
        return referencesJson(*entry.document, specificationOccurrences(specificationOutline(entry)), offset,
                              includeDeclaration);
    return referencesJson(*entry.document, grammarOccurrences(grammarOutline(entry)), offset, includeDeclaration);
}

Json Server::hover(const Json& params) {
    OpenDocument& entry = open(documentUri(params));
    const std::size_t offset = offsetOf(entry, params);
    if (entry.document->language() == Language::specification)
        return specificationHover(*entry.document, specificationOutline(entry), offset);
    return grammarHover(*entry.document, grammarOutline(entry), offset);
}

Json Server::completion(const Json& params) {
    OpenDocument& entry = open(documentUri(params));
    const std::size_t offset = offsetOf(entry, params);
    if (entry.document->language() == Language::specification)
        return specificationCompletion(*entry.document, specificationOutline(entry), offset);
    return grammarCompletion(*entry.document, grammarOutline(entry), offset);
}

}  // namespace lsp
