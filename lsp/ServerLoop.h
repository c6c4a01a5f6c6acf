#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>

#include "lsp/Log.h"
#include "lsp/Server.h"

namespace lsp {

class EventQueue;
class SaveCheckWorker;

/// Runs the server on the client's byte streams: a thread reads and cuts the
/// input into messages; the loop hands the server what has arrived, checks
/// the documents that fall due once no message waits (so that changes that
/// pile up are checked once, at their last version), and publishes what is
/// still current. Checks on save run on a worker thread of their own.
class ServerLoop : private ServerHost {
public:
    /// Reads at most n bytes into the buffer, waiting for one; 0 at the end.
    using Reader = std::function<std::size_t(char* buffer, std::size_t n)>;
    /// Writes all the bytes; false when the output is gone.
    using Writer = std::function<bool(std::string_view bytes)>;

    ServerLoop(Reader reader, Writer writer, Log& log);
    ~ServerLoop() override;
    ServerLoop(const ServerLoop&) = delete;
    ServerLoop& operator=(const ServerLoop&) = delete;

    /// Serves until the client says exit or its input ends; the exit status.
    int run();

private:
    void send(const Json& message) override;
    void startSaveCheck(SaveCheckJob job) override;
    /// Hands the server everything the queue holds (waiting until `until`
    /// when it is empty, forever when there is no time given).
    void take(bool wait, std::optional<Server::Clock::time_point> until);

    Reader reader_;
    Writer writer_;
    Log& log_;
    // Shared with the reading thread, which may outlive the loop while it
    // waits on an input that never ends.
    std::shared_ptr<EventQueue> queue_;
    std::unique_ptr<SaveCheckWorker> worker_;
    Server server_;
    bool outputGone_ = false;
};

}  // namespace lsp
