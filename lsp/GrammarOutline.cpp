#include "lsp/GrammarOutline.h"

namespace lsp {

bool GrammarOutline::isNonterminal(std::string_view name) const {
    for (const GrammarRule& rule : rules)
        if (rule.name.name == name) return true;
    return false;
}

namespace {

bool startsName(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '.'; }
bool continuesName(char c) { return startsName(c) || (c >= '0' && c <= '9'); }

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    GrammarOutline read() {
        readDeclarations();
        if (outline_.rulesSection) readRules();
        return std::move(outline_);
    }

private:
    char at(std::size_t offset) const { return offset < text_.size() ? text_[offset] : '\0'; }

    void readDeclarations() {
        constexpr std::size_t none = std::string_view::npos;
        std::size_t preambleStart = none;
        bool namesNonterminals = false;  // in a %type, %start or %nterm declaration
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (skipsLiteralOrComment()) continue;
            if (c == '%') {
                const char d = at(at_ + 1);
                if (d == '%') {
                    outline_.declarations = {0, at_};
                    outline_.rulesSection = Span{at_, text_.size()};
                    at_ += 2;
                    return;
                }
                if (d == '{' && preambleStart == none && !outline_.preamble) {
                    preambleStart = at_;
                } else if (d == '}' && preambleStart != none) {
                    outline_.preamble = Span{preambleStart, at_ + 2};
                    preambleStart = none;
                }
                if (d == '{' || d == '}') {
                    at_ += 2;
                    namesNonterminals = false;
                    continue;
                }
                ++at_;
                const std::string_view word = readName();
                if (preambleStart == none) namesNonterminals = word == "type" || word == "start" || word == "nterm";
            } else if (c == '<' && namesNonterminals) {
                // A tag such as <value>: a type, not a symbol.
                while (at_ < text_.size() && text_[at_] != '>' && text_[at_] != '\n') ++at_;
            } else if (startsName(c)) {
                const std::size_t begin = at_;
                const std::string_view name = readName();
                if (namesNonterminals) outline_.symbols.push_back({std::string(name), {begin, at_}});
            } else {
                ++at_;
            }
        }
        outline_.declarations = {0, text_.size()};
    }

    void readRules() {
        GrammarRule* rule = nullptr;
        std::size_t lastEnd = at_;  // end of the last thing that belongs to a rule
        const auto close = [&](std::size_t end) {
            if (rule) rule->span.end = end;
            rule = nullptr;
        };
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (skipsLiteralOrComment()) {
                // A literal is a symbol of the rule; a comment after a rule belongs to no rule.
                if (c == '"' || c == '\'') lastEnd = at_;
                continue;
            }
            if (c == '%' && at(at_ + 1) == '%') {
                close(lastEnd);
                outline_.rulesSection->end = at_ + 2;
                outline_.trailer = Span{at_ + 2, text_.size()};
                return;
            }
            if (c == '%' && (at(at_ + 1) == '{' || at(at_ + 1) == '}')) {
                // Markers that Perlan passes over here: the brace opens no action.
                at_ += 2;
                continue;
            }
            if (c == '{') {
                const Span action = readAction(rule);
                if (rule) rule->actions.push_back(action);
                lastEnd = at_;
            } else if (startsName(c)) {
                const std::size_t begin = at_;
                const std::string_view name = readName();
                const NamedSpan symbol{std::string(name), {begin, at_}};
                if (colonFollows()) {
                    close(lastEnd);
                    rule = &outline_.rules.emplace_back();
                    rule->name = symbol;
                    rule->span.begin = begin;
                } else if (at(begin - 1) != '%') {
                    outline_.symbols.push_back(symbol);
                }
                lastEnd = at_;
            } else if (c == ';') {
                ++at_;
                close(at_);
            } else {
                if (c != ' ' && c != '\t' && c != '\n' && c != '\r') lastEnd = at_ + 1;
                ++at_;
            }
        }
        close(lastEnd);
    }

    // Passes over a literal or a comment that starts here, as Perlan does;
    // false when none starts here.
    bool skipsLiteralOrComment() {
        const char c = text_[at_];
        if (c == '"' || c == '\'') {
            ++at_;
            skipLiteral(c);
            return true;
        }
        if (c == '/' && at(at_ + 1) == '/') {
            const std::size_t feed = text_.find('\n', at_);
            at_ = feed == std::string_view::npos ? text_.size() : feed + 1;
            return true;
        }
        if (c == '/' && at(at_ + 1) == '*') {
            const std::size_t close = text_.find("*/", at_ + 2);
            at_ = close == std::string_view::npos ? text_.size() : close + 2;
            return true;
        }
        return false;
    }

    // After the opening quote: through the closing one; a backslash escapes
    // the byte after it, and line breaks belong to the literal.
    void skipLiteral(char quote) {
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '\\')
                ++at_;
            else if (c == quote)
                return;
        }
        at_ = text_.size();
    }

    std::string_view readName() {
        const std::size_t begin = at_;
        while (at_ < text_.size() && continuesName(text_[at_])) ++at_;
        return text_.substr(begin, at_ - begin);
    }

    // Whether the next thing after blanks and comments is a colon: the name
    // before it starts a rule.
    bool colonFollows() const {
        std::size_t offset = at_;
        while (offset < text_.size()) {
            const char c = text_[offset];
            if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
                ++offset;
            } else if (c == '/' && at(offset + 1) == '*') {
                const std::size_t close = text_.find("*/", offset + 2);
                if (close == std::string_view::npos) return false;
                offset = close + 2;
            } else if (c == '/' && at(offset + 1) == '/') {
                offset = text_.find('\n', offset);
            } else {
                return c == ':';
            }
        }
        return false;
    }

    // From "{" through the brace that closes the action, with the
    // typechecking blocks inside.
    Span readAction(GrammarRule* rule) {
        const std::size_t begin = at_++;
        int depth = 1;
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == '/' && at(at_ + 1) == '*' && at(at_ + 2) == '<') {
                readTypecheckingBlock(rule);
                continue;
            }
            if (skipsLiteralOrComment()) continue;
            ++at_;
            if (c == '{') ++depth;
            if (c == '}' && --depth == 0) break;
        }
        return {begin, at_};
    }

    // From "/*<" through the ">*/" that ends it; literals inside are passed
    // over whole, nothing else is recognised.
    void readTypecheckingBlock(GrammarRule* rule) {
        TypecheckingBlock block;
        block.span.begin = at_;
        at_ += 3;
        block.content.begin = at_;
        enum { other, afterGreater, afterGreaterStar } state = other;
        block.content.end = block.span.end = text_.size();
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"' || c == '\'') {
                skipLiteral(c);
                state = other;
            } else if (c == '>') {
                state = afterGreater;
            } else if (state == afterGreater && c == '*') {
                state = afterGreaterStar;
            } else if (state == afterGreaterStar && c == '/') {
                block.content.end = at_ - 3;
                block.span.end = at_;
                break;
            } else {
                state = other;
            }
        }
        if (rule) rule->blocks.push_back(block);
    }

    std::string_view text_;
    std::size_t at_ = 0;
    GrammarOutline outline_;
};

}  // namespace

GrammarOutline outlineGrammar(std::string_view text) { return Reader(text).read(); }

}  // namespace lsp
