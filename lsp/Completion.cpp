#include "lsp/Completion.h"

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace lsp {

namespace {

constexpr int classKind = 7;
constexpr int keywordKind = 14;
constexpr int functionKind = 3;

bool inName(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '.';
}

Json items(const std::vector<std::string>& labels, int kind, const std::string& detail) {
    Json list = Json::array();
    for (const std::string& label : labels) list.push_back({{"label", label}, {"kind", kind}, {"detail", detail}});
    return {{"isIncomplete", false}, {"items", std::move(list)}};
}

Json nothing() { return {{"isIncomplete", false}, {"items", Json::array()}}; }

// What stands before the cursor on its line, and the name being typed.
struct Before {
    std::string_view line;  // from the line's start to the name being typed
    std::size_t nameStart;
};

Before before(std::string_view text, std::size_t offset) {
    std::size_t start = offset;
    while (start > 0 && inName(text[start - 1])) --start;
    std::size_t lineStart = start;
    while (lineStart > 0 && text[lineStart - 1] != '\n' && text[lineStart - 1] != '\r') --lineStart;
    return {text.substr(lineStart, start - lineStart), start};
}

std::string_view trimmedEnd(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// Whether the line before the cursor opens a string literal that is still open.
bool inStringLiteral(std::string_view line) {
    if (line.empty() || line.back() != '"') return false;
    bool open = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\')
            ++i;
        else if (line[i] == '"')
            open = !open;
    }
    return open;
}

// Whether the line before the cursor is a class header inside its argument
// list, at the place of an argument: "class list (" or "class map (Type,".
bool atClassArgument(std::string_view line) {
    const std::string_view head = trimmedEnd(line);
    if (head.empty() || (head.back() != '(' && head.back() != ',')) return false;
    const std::size_t word = line.find_first_not_of(" \t");
    if (word == std::string_view::npos || line.substr(word, 6) != "class ") return false;
    const std::size_t open = line.find('(');
    return open != std::string_view::npos && line.find(')', open) == std::string_view::npos;
}

bool afterClassKeyword(std::string_view line) {
    const std::string_view head = trimmedEnd(line);
    if (head.size() == line.size() || head.size() < 5 || head.substr(head.size() - 5) != "class") return false;
    return head.size() == 5 || !inName(head[head.size() - 6]);
}

}  // namespace

Json specificationCompletion(const Document& document, const SpecificationOutline& outline, std::size_t offset) {
    const std::string_view text = document.text();
    offset = std::min(offset, text.size());
    const Before at = before(text, offset);
    const std::vector<std::string> types = outline.typeNames();
    if (inStringLiteral(at.line)) return items(types, classKind, "type");
    if (atClassArgument(at.line)) return items({"String", "Type"}, keywordKind, "constructor argument");
    if (afterClassKeyword(at.line)) {
        std::vector<std::string> undefined;
        if (!outline.findClass("BaseType")) undefined.push_back("BaseType");
        for (const std::string& type : types)
            if (!outline.findClass(type)) undefined.push_back(type);
        return items(undefined, classKind, "type without a class");
    }
    if (outline.directiveBody && outline.directiveBody->touches(at.nameStart)) return items(types, classKind, "type");
    return nothing();
}

Json grammarCompletion(const Document& document, const GrammarOutline& outline, std::size_t offset) {
    offset = std::min(offset, document.text().size());
    if (!outline.rulesSection || offset <= outline.rulesSection->begin + 1 || offset >= outline.rulesSection->end)
        return nothing();
    for (const GrammarRule& rule : outline.rules)
        for (const Span& action : rule.actions)
            if (offset > action.begin && offset < action.end) return nothing();
    std::set<std::string> names;
    for (const GrammarRule& rule : outline.rules) names.insert(rule.name.name);
    return items({names.begin(), names.end()}, functionKind, "nonterminal");
}

}  // namespace lsp
