#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "lsp/StandardStreams.h"

namespace lsp {

void useBinaryStandardStreams() {
    // A client that goes away must not kill the server in the middle of a write.
    std::signal(SIGPIPE, SIG_IGN);
}

std::size_t readStandardInput(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t count = ::read(0, buffer, size);
        if (count >= 0) return static_cast<std::size_t>(count);
        if (errno != EINTR) return 0;
    }
}

bool writeStandardOutput(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(1, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

}  // namespace lsp
