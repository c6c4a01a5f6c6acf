#include "lsp/ToolText.h"

#include <array>

namespace lsp {

namespace {

// The length of the well-formed UTF-8 sequence at the start of bytes, or 0.
std::size_t wellFormedLength(std::string_view bytes) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (bytes.size() < length || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return length;
}

}  // namespace

std::string toolTextToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + 8);
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            text += static_cast<char>(byte);
            ++i;
        } else if (const std::size_t length = wellFormedLength(bytes.substr(i))) {
            text.append(bytes.substr(i, length));
            i += length;
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
            ++i;
        }
    }
    return text;
}

long errorLineOf(std::string_view text) {
    for (std::string_view category :
         std::array<std::string_view, 3>{"Scanner error", "Syntax error", "Semantic error"}) {
        if (text.substr(0, category.size()) != category) continue;
        std::string_view rest = text.substr(category.size());
        constexpr std::string_view opening = "( line ";
        if (rest.substr(0, opening.size()) != opening) return 0;
        rest.remove_prefix(opening.size());
        long line = 0;
        std::size_t digits = 0;
        while (digits < rest.size() && digits < 10 && rest[digits] >= '0' && rest[digits] <= '9')
            line = line * 10 + (rest[digits++] - '0');
        return digits > 0 && rest.substr(digits, 3) == " ):" ? line : 0;
    }
    return 0;
}

}  // namespace lsp
