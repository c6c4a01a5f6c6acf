#include "lsp/SpecificationOutline.h"

#include <algorithm>
#include <exception>
#include <istream>
#include <memory>

#include "lsp/JavaText.h"
#include "lsp/ViewBuffer.h"
#include "typecompiler/scanner/ClassBodyState.h"
#include "typecompiler/scanner/EmbeddedCodeState.h"
#include "typecompiler/scanner/MethodBodyState.h"
#include "typecompiler/scanner/ScannerTokenizer.h"
#include "typecompiler/scanner/TokenKinds.h"
#include "typecompiler/scanner/TopLevelState.h"

namespace lsp {

std::string MethodOutline::keySignature() const {
    std::string key = name.name + " (";
    for (std::size_t i = 0; i < parameters.size(); ++i) key += (i ? ", " : "") + parameters[i].type;
    return key + ')';
}

std::string MethodOutline::declaration() const {
    std::string text = resultType + ' ' + name.name + " (";
    for (std::size_t i = 0; i < parameters.size(); ++i)
        text += (i ? ", " : "") + parameters[i].type + ' ' + parameters[i].name;
    return text + ')';
}

std::vector<std::string> SpecificationOutline::typeNames() const {
    std::vector<std::string> names;
    for (const auto& chain : chains)
        for (const NamedSpan& type : chain) names.push_back(type.name);
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

const ClassOutline* SpecificationOutline::findClass(std::string_view name) const {
    for (const ClassOutline& definition : classes)
        if (definition.name.name == name) return &definition;
    return nullptr;
}

namespace {

using vastor::CLASS;
using vastor::CODE_START;
using vastor::EMBEDDED_CODE;
using vastor::END_OF_INPUT;
using vastor::IDENTIFIER;
using vastor::METHOD_BODY;
using vastor::METHOD_START;
using vastor::TYPES;

// Vastor's scanner with its four states, reading the text from one offset on.
struct Scanner {
    explicit Scanner(std::string_view text)
        : buffer(text),
          input(&buffer),
          tokenizer(input),
          top(tokenizer),
          body(tokenizer),
          method(tokenizer),
          code(tokenizer) {}
    ViewBuffer buffer;
    std::istream input;
    vastor::ScannerTokenizer tokenizer;
    vastor::TopLevelState top;
    vastor::ClassBodyState body;
    vastor::MethodBodyState method;
    vastor::EmbeddedCodeState code;
};

enum class Mode { top, body, method, code };
constexpr int failed = -1;

// Runs the scanner and finds where each of its tokens lies in the text: it
// passes over what the scanner passes over (blanks, comments, a CR before
// an LF, which the scanner never sees) and checks that the token's text is
// there.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    SpecificationOutline read() {
        start(0);
        if (readPreambleAndDirective()) readClasses();
        // After an error, go on from the next line that starts a class.
        for (;;) {
            const std::size_t resume = nextClassLine(std::max(at_, lastEnd_));
            if (resume == std::string_view::npos) break;
            start(resume);
            advance(Mode::top);
            readClasses();
        }
        return std::move(outline_);
    }

private:
    void start(std::size_t offset) {
        scanner_ = std::make_unique<Scanner>(text_.substr(offset));
        at_ = offset;
        token_ = END_OF_INPUT;
    }

    bool readPreambleAndDirective() {
        if (advance(Mode::top) == '%') {
            const std::size_t begin = tokenSpan_.begin;
            if (advance(Mode::top) != '{' || advance(Mode::code) != EMBEDDED_CODE) return false;
            outline_.preamble = Span{begin, at_};
            addJavaText(tokenSpan_);
            advance(Mode::top);
        }
        if (token_ != TYPES) return false;
        outline_.directive = tokenSpan_;
        if (advance(Mode::top) != '=' || advance(Mode::top) != '{') return false;
        outline_.directiveBody = Span{at_, at_};
        advance(Mode::top);
        while (token_ == IDENTIFIER) {
            auto& chain = outline_.chains.emplace_back();
            chain.push_back(named());
            while (advance(Mode::top) == '<') {
                if (advance(Mode::top) != IDENTIFIER) return stopDirective();
                chain.push_back(named());
            }
        }
        if (token_ != '}') return stopDirective();
        outline_.directiveBody->end = tokenSpan_.begin;
        outline_.directive->end = at_;
        advance(Mode::top);
        return true;
    }

    bool stopDirective() {
        outline_.directiveBody->end = lastEnd_;
        outline_.directive->end = lastEnd_;
        return false;
    }

    void readClasses() {
        while (token_ == CLASS && readClass()) {}
    }

    // Reads one class from its keyword on; false when an error stops it.
    bool readClass() {
        ClassOutline& definition = outline_.classes.emplace_back();
        definition.span = tokenSpan_;
        const auto stop = [&] {
            definition.span.end = lastEnd_;
            return false;
        };
        if (advance(Mode::top) != IDENTIFIER) return stop();
        definition.name = named();
        if (advance(Mode::top) == '(') {
            const std::size_t open = tokenSpan_.begin;
            do {
                if (advance(Mode::top) != IDENTIFIER) return stop();
                ClassArgument argument{scanner_->tokenizer.text(), tokenSpan_};
                if (advance(Mode::top) == '+') {
                    argument.kind += '+';
                    argument.span.end = tokenSpan_.end;
                    advance(Mode::top);
                }
                definition.arguments.push_back(std::move(argument));
            } while (token_ == ',');
            if (token_ != ')') return stop();
            definition.argumentList = Span{open, tokenSpan_.end};
            advance(Mode::top);
        }
        if (token_ != '{') return stop();
        for (;;) {
            const int member = advance(Mode::body);
            if (member == '}') break;
            if (member == CODE_START) {
                const std::size_t begin = tokenSpan_.begin;
                if (advance(Mode::code) != EMBEDDED_CODE) return stop();
                definition.codeBlocks.push_back({begin, at_});
                addJavaText(tokenSpan_);
            } else if (member != METHOD_START || !readMethod(definition)) {
                return stop();
            }
        }
        definition.span.end = at_;
        advance(Mode::top);
        return true;
    }

    bool readMethod(ClassOutline& definition) {
        MethodOutline method;
        if (advance(Mode::top) != IDENTIFIER) return false;
        method.resultType = scanner_->tokenizer.text();
        method.span.begin = tokenSpan_.begin;
        if (advance(Mode::top) != IDENTIFIER) return false;
        method.name = named();
        if (advance(Mode::top) != '(') return false;
        advance(Mode::top);
        while (token_ == IDENTIFIER) {
            MethodParameter parameter{scanner_->tokenizer.text(), {}};
            if (advance(Mode::top) != IDENTIFIER) return false;
            parameter.name = scanner_->tokenizer.text();
            method.parameters.push_back(std::move(parameter));
            if (advance(Mode::top) != ',') break;
            if (advance(Mode::top) != IDENTIFIER) return false;
        }
        if (token_ != ')' || advance(Mode::top) != '{' || advance(Mode::method) != METHOD_BODY) return false;
        method.body = tokenSpan_;
        method.span.end = at_;
        addJavaText(method.body);
        definition.methods.push_back(std::move(method));
        return true;
    }

    NamedSpan named() const { return {scanner_->tokenizer.text(), tokenSpan_}; }

    void addJavaText(Span span) {
        outline_.javaTexts.push_back(span);
        for (const Span& literal : stringLiterals(text_, span)) {
            const std::string_view content = text_.substr(literal.begin, literal.end - literal.begin);
            if (looksLikeTypeName(content)) outline_.quotedNames.push_back({std::string(content), literal});
        }
    }

    static bool looksLikeTypeName(std::string_view text) {
        if (text.empty() || text.size() > 200 || !isLetter(text[0])) return false;
        return std::all_of(text.begin(), text.end(),
                           [](char c) { return isLetter(c) || (c >= '0' && c <= '9') || c == '_' || c == '.'; });
    }
    static bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

    // Reads the next token in the given mode and finds it in the text; the
    // token, or `failed` when the scanner raised an error or the token is not
    // where it should be.
    int advance(Mode mode) {
        if (token_ == failed) return failed;
        Scanner& scanner = *scanner_;
        switch (mode) {
        case Mode::top: scanner.tokenizer.setState(scanner.top); break;
        case Mode::body: scanner.tokenizer.setState(scanner.body); break;
        case Mode::method: scanner.tokenizer.setState(scanner.method); break;
        case Mode::code: scanner.tokenizer.setState(scanner.code); break;
        }
        try {
            token_ = scanner.tokenizer.yylex();
        } catch (const std::exception&) {
            return token_ = failed;
        }
        if (!locate(mode)) return token_ = failed;
        lastEnd_ = std::max(lastEnd_, at_);
        return token_;
    }

    bool locate(Mode mode) {
        const std::string& tokenText = scanner_->tokenizer.text();
        switch (token_) {
        case END_OF_INPUT:
            tokenSpan_ = {text_.size(), text_.size()};
            at_ = text_.size();
            return true;
        case METHOD_BODY:
        case EMBEDDED_CODE: {
            const std::size_t end = walk(at_, tokenText);
            if (end == std::string_view::npos) return false;
            tokenSpan_ = {at_, end};
            // The closing "}" or "%}".
            at_ = std::min(end + (token_ == METHOD_BODY ? 1 : 2), text_.size());
            return true;
        }
        default: break;
        }
        skipGap(mode == Mode::body);
        const std::size_t begin = at_;
        std::size_t length = 1;
        if (token_ == IDENTIFIER || token_ == TYPES || token_ == CLASS) {
            length = tokenText.size();
            if (text_.substr(begin, length) != tokenText) return false;
        } else if (token_ == CODE_START) {
            length = 2;
        } else if (token_ == METHOD_START) {
            length = 0;  // the first letter of the method was given back
        }
        at_ = std::min(begin + length, text_.size());
        tokenSpan_ = {begin, at_};
        return true;
    }

    // Passes over blanks and comments as the top-level and class-body states do.
    void skipGap(bool classBody) {
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == ' ' || c == '\t' || c == '\n' || (c == '\r' && next(at_ + 1) == '\n')) {
                ++at_;
            } else if (classBody && (c == '\r' || c == '\f' || c == '\v')) {
                ++at_;
            } else if (c == '/') {
                skipAfterSlash();
            } else {
                return;
            }
        }
    }

    void skipAfterSlash() {
        ++at_;
        if (at_ == text_.size()) return;
        if (text_[at_] == '/') {
            const std::size_t feed = text_.find('\n', at_);
            at_ = feed == std::string_view::npos ? text_.size() : feed + 1;
        } else if (text_[at_] == '*') {
            const std::size_t close = text_.find("*/", at_ + 1);
            at_ = close == std::string_view::npos ? text_.size() : close + 2;
        } else {
            // A lone slash: the scanner drops the character after it unread.
            at_ += text_[at_] == '\r' && next(at_ + 1) == '\n' ? 2 : 1;
        }
    }

    char next(std::size_t offset) const { return offset < text_.size() ? text_[offset] : '\0'; }

    // Where a token text read from offset on ends in the text, where each LF
    // of the token may stand for CR LF; npos when the text differs.
    std::size_t walk(std::size_t offset, std::string_view tokenText) const {
        for (char c : tokenText) {
            if (c == '\n' && next(offset) == '\r' && next(offset + 1) == '\n') ++offset;
            if (next(offset) != c || offset >= text_.size()) return std::string_view::npos;
            ++offset;
        }
        return offset;
    }

    // The start of the first line after offset whose first word is "class".
    std::size_t nextClassLine(std::size_t offset) const {
        std::size_t line = text_.find('\n', offset);
        while (line != std::string_view::npos) {
            std::size_t word = line + 1;
            while (word < text_.size() && (text_[word] == ' ' || text_[word] == '\t')) ++word;
            if (text_.substr(word, 5) == "class" && (next(word + 5) == ' ' || next(word + 5) == '\t')) return word;
            line = text_.find('\n', line + 1);
        }
        return std::string_view::npos;
    }

    std::string_view text_;
    std::unique_ptr<Scanner> scanner_;
    std::size_t at_ = 0;       // how far the scanner has read, as an offset of the text
    std::size_t lastEnd_ = 0;  // the end of what the last token found took
    int token_ = END_OF_INPUT;
    Span tokenSpan_;
    SpecificationOutline outline_;
};

}  // namespace

SpecificationOutline outlineSpecification(std::string_view text) { return Reader(text).read(); }

}  // namespace lsp
