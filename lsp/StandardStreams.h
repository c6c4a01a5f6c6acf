#pragma once

#include <cstddef>
#include <string_view>

namespace lsp {

/// The client's byte streams: standard input and output, unbuffered reads of
/// whole chunks and binary on every system (no CR added to a line feed).
void useBinaryStandardStreams();

/// Reads what is there, at most size bytes, waiting for at least one; 0 at
/// the end of the input or on a read error.
std::size_t readStandardInput(char* buffer, std::size_t size);

/// Writes all bytes and flushes; false when the output is gone.
bool writeStandardOutput(std::string_view bytes);

}  // namespace lsp
