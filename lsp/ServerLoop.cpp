#include "lsp/ServerLoop.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <variant>
#include <vector>

#include "lsp/FrameReader.h"

namespace lsp {

namespace {

struct InputEnded {};
struct BadInput {
    std::string what;
};
using Event = std::variant<std::string, InputEnded, BadInput, SaveCheckResult>;

constexpr std::size_t maxQueuedBytes = std::size_t{128} << 20;
// A client that never stops sending still gets its diagnostics this often.
constexpr std::chrono::milliseconds maxCheckDelay{200};

}  // namespace

/// What the reading thread and the save-check worker hand the loop, in order.
/// Bounded: a reader that gets ahead of the server by too many bytes waits.
class EventQueue {
public:
    void push(Event event) {
        std::unique_lock<std::mutex> lock(mutex_);
        const std::size_t bytes = std::holds_alternative<std::string>(event) ? std::get<std::string>(event).size() : 0;
        roomLeft_.wait(lock, [&] { return bytes_ == 0 || bytes_ + bytes <= maxQueuedBytes; });
        bytes_ += bytes;
        events_.push_back(std::move(event));
        arrived_.notify_one();
    }

    /// Everything queued; when nothing is and `wait` is set, waits for an
    /// event until `until` (or forever without it).
    std::vector<Event> takeAll(bool wait, std::optional<std::chrono::steady_clock::time_point> until) {
        std::unique_lock<std::mutex> lock(mutex_);
        if (wait) {
            const auto ready = [&] { return !events_.empty(); };
            if (until)
                arrived_.wait_until(lock, *until, ready);
            else
                arrived_.wait(lock, ready);
        }
        std::vector<Event> taken(std::make_move_iterator(events_.begin()), std::make_move_iterator(events_.end()));
        events_.clear();
        bytes_ = 0;
        roomLeft_.notify_all();
        return taken;
    }

    bool empty() {
        const std::lock_guard<std::mutex> lock(mutex_);
        return events_.empty();
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::condition_variable roomLeft_;
    std::deque<Event> events_;
    std::size_t bytes_ = 0;
};

/// Runs checks on save one after the other; a job waiting for its turn is
/// replaced by a later job for the same document.
class SaveCheckWorker {
public:
    explicit SaveCheckWorker(std::shared_ptr<EventQueue> queue)
        : queue_(std::move(queue)), thread_([this] { work(); }) {}

    // A program still running is killed: exit does not wait for it.
    ~SaveCheckWorker() {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
            jobs_.clear();
        }
        ready_.notify_one();
        thread_.join();
    }

    void add(SaveCheckJob job) {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            std::erase_if(jobs_, [&](const SaveCheckJob& waiting) { return waiting.uri == job.uri; });
            jobs_.push_back(std::move(job));
        }
        ready_.notify_one();
    }

private:
    void work() {
        for (;;) {
            SaveCheckJob job;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                ready_.wait(lock, [&] { return stopping_ || !jobs_.empty(); });
                if (stopping_) return;
                job = std::move(jobs_.front());
                jobs_.pop_front();
            }
            queue_->push(runSaveCheck(job, &stopping_));
        }
    }

    std::shared_ptr<EventQueue> queue_;
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<SaveCheckJob> jobs_;
    std::atomic<bool> stopping_ = false;
    std::thread thread_;
};

ServerLoop::ServerLoop(Reader reader, Writer writer, Log& log)
    : reader_(std::move(reader)),
      writer_(std::move(writer)),
      log_(log),
      queue_(std::make_shared<EventQueue>()),
      worker_(std::make_unique<SaveCheckWorker>(queue_)),
      server_(*this, log) {}

ServerLoop::~ServerLoop() = default;

int ServerLoop::run() {
    // The reading thread is left to itself: at exit it may still be waiting
    // for input that never comes. It shares nothing with the loop but the queue.
    std::thread([queue = queue_, read = reader_] {
        FrameReader frames;
        std::vector<char> buffer(1 << 16);
        for (;;) {
            const std::size_t count = read(buffer.data(), buffer.size());
            if (count == 0) break;
            frames.feed({buffer.data(), count});
            while (std::optional<FrameReader::Frame> frame = frames.next()) {
                if (frame->kind == FrameReader::Frame::Kind::message)
                    queue->push(std::move(frame->body));
                else
                    queue->push(BadInput{std::move(frame->body)});
            }
        }
        queue->push(InputEnded{});
    }).detach();

    log_.info("serving specifications (vastor) and grammars (perlan) on standard input and output");
    while (!server_.finished()) {
        take(true, server_.nextDue());
        if (server_.finished()) break;
        // Messages still waiting go first, unless a check has waited too long for them.
        const auto now = Server::Clock::now();
        const auto due = server_.nextDue();
        if (!queue_->empty() && !(due && *due + maxCheckDelay < now)) continue;
        server_.checkDue(now);
        // Changes that came in meanwhile make those diagnostics stale: they are dropped.
        take(false, std::nullopt);
        if (!server_.finished()) server_.publish();
    }
    log_.info(server_.exitStatus() == 0 ? "exit" : "exit without shutdown");
    return server_.exitStatus();
}

void ServerLoop::take(bool wait, std::optional<Server::Clock::time_point> until) {
    std::vector<std::string> bodies;
    const auto flush = [&] {
        if (bodies.empty()) return;
        server_.receive(bodies, Server::Clock::now());
        bodies.clear();
    };
    for (Event& event : queue_->takeAll(wait, until)) {
        if (auto* body = std::get_if<std::string>(&event)) {
            bodies.push_back(std::move(*body));
            continue;
        }
        flush();
        if (std::holds_alternative<InputEnded>(event))
            server_.inputEnded();
        else if (auto* bad = std::get_if<BadInput>(&event))
            log_.warning(bad->what);
        else if (auto* result = std::get_if<SaveCheckResult>(&event))
            server_.saveCheckDone(std::move(*result));
    }
    flush();
}

void ServerLoop::send(const Json& message) {
    if (outputGone_) return;
    const std::string body = dumpJson(message);
    if (!writer_("Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body)) {
        outputGone_ = true;
        log_.error("the client's output is gone");
    }
}

void ServerLoop::startSaveCheck(SaveCheckJob job) { worker_->add(std::move(job)); }

}  // namespace lsp
