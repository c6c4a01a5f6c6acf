#pragma once

#include <streambuf>
#include <string_view>

namespace lsp {

/// The buffer of an input stream that reads a text held elsewhere, without
/// copying it; the text must outlive the stream.
class ViewBuffer : public std::streambuf {
public:
    explicit ViewBuffer(std::string_view text) {
        // Only read: nothing is ever put back into it.
        char* begin = const_cast<char*>(text.data());
        setg(begin, begin, begin + text.size());
    }
};

}  // namespace lsp
