#include <fcntl.h>
#include <io.h>

#include <climits>

#include "lsp/StandardStreams.h"

namespace lsp {

void useBinaryStandardStreams() {
    _setmode(0, _O_BINARY);
    _setmode(1, _O_BINARY);
}

std::size_t readStandardInput(char* buffer, std::size_t size) {
    const int count = _read(0, buffer, static_cast<unsigned>(size > INT_MAX ? INT_MAX : size));
    return count > 0 ? static_cast<std::size_t>(count) : 0;
}

bool writeStandardOutput(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t chunk = bytes.size() > INT_MAX ? INT_MAX : bytes.size();
        const int count = _write(1, bytes.data(), static_cast<unsigned>(chunk));
        if (count <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

}  // namespace lsp
