#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

/// Stops the fuzzer with a message when a property of the tools does not hold;
/// libFuzzer keeps the input that broke it.
inline void fuzzCheck(bool holds, const char* property, const std::string& detail = std::string()) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n%s\n", property, detail.c_str());
    std::abort();
}

/// The line number of an error text "<category>( line <n> ):<message>", or -1
/// when the text does not have that form for the given category.
inline long errorLine(std::string_view text, std::string_view category) {
    const std::string_view opening = "( line ";
    if (text.substr(0, category.size()) != category) return -1;
    text.remove_prefix(category.size());
    if (text.substr(0, opening.size()) != opening) return -1;
    text.remove_prefix(opening.size());
    long line = 0;
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9' && digits < 11)
        line = line * 10 + (text[digits++] - '0');
    if (digits == 0 || (digits > 1 && text[0] == '0')) return -1;
    return text.substr(digits, 3) == " ):" ? line : -1;
}
