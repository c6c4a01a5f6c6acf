#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "lsp/LineIndex.h"

namespace lsp {

/// The two languages served: type specifications and grammars.
enum class Language { specification, grammar };

/// The language of a document: by the client's language id ("vastor",
/// "perlan"), else by the file's extension (".yt" for grammars, ".spec" for
/// specifications); nothing for the others.
std::optional<Language> languageOf(std::string_view languageId, std::string_view uri);

/// An open document: the editor's text, its version, and the index of its lines.
class Document {
public:
    Document(std::string uri, Language language, long version, std::string text, PositionEncoding encoding);
    // The line index views the text: a document stays where it was made.
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    const std::string& uri() const { return uri_; }
    Language language() const { return language_; }
    long version() const { return version_; }
    const std::string& text() const { return text_; }
    const LineIndex& lines() const { return *lines_; }

    /// Replaces the text between two positions with newText (an incremental change).
    void replace(Position start, Position end, std::string_view newText);
    /// Replaces the whole text.
    void setText(std::string text);
    void setVersion(long version) { version_ = version; }

private:
    void index();

    std::string uri_;
    Language language_;
    long version_;
    std::string text_;
    PositionEncoding encoding_;
    std::unique_ptr<LineIndex> lines_;
};

}  // namespace lsp
