#include "lsp/Document.h"

#include <algorithm>
#include <utility>

namespace lsp {

namespace {

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

}  // namespace

std::optional<Language> languageOf(std::string_view languageId, std::string_view uri) {
    if (languageId == "vastor") return Language::specification;
    if (languageId == "perlan") return Language::grammar;
    if (endsWith(uri, ".yt")) return Language::grammar;
    if (endsWith(uri, ".spec")) return Language::specification;
    return std::nullopt;
}

Document::Document(std::string uri, Language language, long version, std::string text, PositionEncoding encoding)
    : uri_(std::move(uri)), language_(language), version_(version), text_(std::move(text)), encoding_(encoding) {
    index();
}

void Document::replace(Position start, Position end, std::string_view newText) {
    std::size_t from = lines_->offset(start);
    std::size_t to = lines_->offset(end);
    if (to < from) std::swap(from, to);
    text_.replace(from, to - from, newText);
    index();
}

void Document::setText(std::string text) {
    text_ = std::move(text);
    index();
}

void Document::index() { lines_ = std::make_unique<LineIndex>(text_, encoding_); }

}  // namespace lsp
