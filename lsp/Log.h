#pragma once

#include <mutex>
#include <ostream>
#include <string_view>

namespace lsp {

/// The server's log: one line per event on a stream of its own (standard
/// error), never mixed with the protocol's messages. Safe to use from any
/// thread.
class Log {
public:
    /// With `verbose`, every message received and the time of each check
    /// are logged too.
    explicit Log(std::ostream& out, bool verbose = false) : out_(out), verbose_(verbose) {}

    void info(std::string_view text) { write("info", text); }
    void warning(std::string_view text) { write("warning", text); }
    void error(std::string_view text) { write("error", text); }
    void debug(std::string_view text) {
        if (verbose_) write("debug", text);
    }
    bool verbose() const { return verbose_; }

private:
    void write(std::string_view level, std::string_view text) {
        const std::lock_guard<std::mutex> lock(mutex_);
        out_ << "typetools-lsp " << level << ": " << text << '\n';
        out_.flush();
    }

    std::mutex mutex_;
    std::ostream& out_;
    bool verbose_;
};

}  // namespace lsp
