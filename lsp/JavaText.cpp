#include "lsp/JavaText.h"

#include <algorithm>

namespace lsp {

std::vector<Span> stringLiterals(std::string_view text, Span span) {
    std::vector<Span> literals;
    const std::string_view code = text.substr(0, std::min(span.end, text.size()));
    std::size_t at = std::min(span.begin, code.size());
    const auto skipTo = [&](std::string_view end) {
        const std::size_t found = code.find(end, at);
        at = found == std::string_view::npos ? code.size() : found + end.size();
    };
    while (at < code.size()) {
        const char c = code[at++];
        if (c == '/' && at < code.size() && code[at] == '/') {
            skipTo("\n");
        } else if (c == '/' && at < code.size() && code[at] == '*') {
            ++at;
            skipTo("*/");
        } else if (c == '"' && code.substr(at, 2) == "\"\"") {
            at += 2;
            skipTo("\"\"\"");
        } else if (c == '"' || c == '\'') {
            const std::size_t begin = at;
            while (at < code.size() && code[at] != c && code[at] != '\n' && code[at] != '\r')
                at += code[at] == '\\' ? 2 : 1;
            at = std::min(at, code.size());
            if (at < code.size() && code[at] == c) {
                if (c == '"') literals.push_back({begin, at});
                ++at;
            }
        }
    }
    return literals;
}

}  // namespace lsp
