#pragma once

#include <exception>
#include <string>

namespace common {

/// Base of the tools' own errors. Besides what(), it gives the whole text as
/// a string, so that a message naming a NUL byte is printed in full.
class CompilerError : public std::exception {
public:
    explicit CompilerError(std::string text) : text_(std::move(text)) {}

    const char* what() const noexcept override { return text_.c_str(); }

    /// The complete message, NUL bytes included.
    const std::string& text() const noexcept { return text_; }

private:
    std::string text_;
};

/// The full text of any error: text() for the tools' own errors, what() otherwise.
inline std::string errorText(const std::exception& error) {
    if (const auto* own = dynamic_cast<const CompilerError*>(&error)) return own->text();
    return error.what();
}

}  // namespace common
