#include "typecompiler/generator/DeclaredPackage.h"

#include <cstddef>

namespace vastor {

namespace {

// Reads Java tokens far enough to see a package declaration: blanks and
// comments are skipped between tokens, as javac does.
class PreambleReader {
public:
    explicit PreambleReader(std::string_view text) : text_(text) {}

    /// Skips blanks and comments; false at an unterminated comment.
    bool skipBlanks() {
        for (;;) {
            while (at_ < text_.size() && isBlank(text_[at_])) ++at_;
            if (text_.substr(at_, 2) == "//") {
                while (at_ < text_.size() && text_[at_] != '\n' && text_[at_] != '\r') ++at_;
            } else if (text_.substr(at_, 2) == "/*") {
                const std::size_t end = text_.find("*/", at_ + 2);
                if (end == std::string_view::npos) return false;
                at_ = end + 2;
            } else {
                return true;
            }
        }
    }

    /// The identifier that starts here, or empty.
    std::string_view identifier() {
        const std::size_t start = at_;
        if (at_ < text_.size() && isIdentifierStart(text_[at_])) {
            ++at_;
            while (at_ < text_.size() && (isIdentifierStart(text_[at_]) || isDigit(text_[at_]))) ++at_;
        }
        return text_.substr(start, at_ - start);
    }

    /// Takes c when it comes next.
    bool take(char c) {
        if (at_ >= text_.size() || text_[at_] != c) return false;
        ++at_;
        return true;
    }

private:
    static bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    // Bytes above 0x7F are taken as parts of a name: javac accepts letters
    // beyond ASCII, written in UTF-8.
    static bool isIdentifierStart(char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '$' ||
               static_cast<unsigned char>(c) >= 0x80;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

std::string declaredPackage(std::string_view preamble) {
    PreambleReader reader(preamble);
    if (!reader.skipBlanks() || reader.identifier() != "package") return {};
    std::string name;
    for (;;) {
        if (!reader.skipBlanks()) return {};
        const std::string_view part = reader.identifier();
        if (part.empty()) return {};
        name += part;
        if (!reader.skipBlanks()) return {};
        if (reader.take(';')) return name;
        if (!reader.take('.')) return {};
        name += '.';
    }
}

}  // namespace vastor
