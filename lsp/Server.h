#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lsp/Document.h"
#include "lsp/Findings.h"
#include "lsp/GrammarOutline.h"
#include "lsp/Json.h"
#include "lsp/Log.h"
#include "lsp/SaveCheck.h"
#include "lsp/Settings.h"
#include "lsp/SpecificationOutline.h"

namespace lsp {

/// What the server needs from around it: a way to the client, and a place to
/// run checks on save away from its own thread.
class ServerHost {
public:
    virtual ~ServerHost() = default;
    /// Sends one message to the client.
    virtual void send(const Json& message) = 0;
    /// Runs the job (runSaveCheck) elsewhere and hands its result back
    /// through Server::saveCheckDone, on the server's thread.
    virtual void startSaveCheck(SaveCheckJob job) = 0;
};

/// The language server for specifications and grammars: takes the client's
/// messages, keeps the open documents and answers from Vastor's and Perlan's
/// front ends. It does nothing by itself: its loop (ServerLoop, or a test)
/// hands it the messages that arrived, asks it to check the documents due and
/// to publish what is still current. Single-threaded.
class Server {
public:
    using Clock = std::chrono::steady_clock;

    Server(ServerHost& host, Log& log);
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    /// Handles messages that arrived together, in order. A request about a
    /// document that a later message of the batch changes is answered
    /// "content modified", and one that a later message cancels "cancelled":
    /// their answers would be stale.
    void receive(const std::vector<std::string>& bodies, Clock::time_point now);

    /// When the next document falls due for checking, if any is waiting.
    std::optional<Clock::time_point> nextDue() const;
    /// Checks every document due at `now`; the diagnostics wait for publish().
    void checkDue(Clock::time_point now);
    /// Publishes the diagnostics checked whose document has not changed since.
    void publish();

    /// Takes the result of a check on save.
    void saveCheckDone(SaveCheckResult result);

    /// The client's input has ended.
    void inputEnded();
    /// True once the client said exit or its input ended.
    bool finished() const { return finished_; }
    /// 0 after shutdown and exit, 1 when the client left without shutdown.
    int exitStatus() const { return shutdownRequested_ ? 0 : 1; }

    /// Limits that keep memory bounded.
    static constexpr std::size_t maxDocumentBytes = std::size_t{64} << 20;
    static constexpr std::size_t maxTotalBytes = std::size_t{256} << 20;
    static constexpr int maxJsonNesting = 64;

private:
    struct OpenDocument {
        std::unique_ptr<Document> document;
        std::optional<Clock::time_point> due;
        std::optional<Json> unpublished;
        std::vector<Finding> findings;      // of the front end, for the current text
        std::vector<Finding> saveFindings;  // of the last check on save, for the saved text
        std::optional<SpecificationOutline> specification;
        std::optional<GrammarOutline> grammar;
    };

    void handle(const std::vector<Json>& batch, std::size_t index, Clock::time_point now);
    Json request(const std::string& method, const Json& params);
    void notification(const std::string& method, const Json& params, Clock::time_point now);
    bool changedLater(const std::vector<Json>& batch, std::size_t index, const std::string& uri) const;
    bool cancelledLater(const std::vector<Json>& batch, std::size_t index, const Json& id) const;

    Json initialize(const Json& params);
    void didOpen(const Json& params, Clock::time_point now);
    void didChange(const Json& params, Clock::time_point now);
    void didClose(const Json& params);
    void didSave(const Json& params);

    Json documentSymbols(const Json& params);
    Json foldingRanges(const Json& params);
    Json definition(const Json& params);
    Json references(const Json& params);
    Json hover(const Json& params);
    Json completion(const Json& params);

    OpenDocument& open(const std::string& uri);
    const SpecificationOutline& specificationOutline(OpenDocument& entry);
    const GrammarOutline& grammarOutline(OpenDocument& entry);
    /// The byte offset of params.position in the document.
    std::size_t offsetOf(const OpenDocument& entry, const Json& params) const;
    Json diagnosticsJson(const OpenDocument& entry) const;
    void sendDiagnostics(const std::string& uri, std::optional<long> version, Json diagnostics);
    std::size_t totalBytes() const;
    std::string resolveProgram(const std::string& setting, const char* name);
    std::string resolveApiSources();

    ServerHost& host_;
    Log& log_;
    Settings settings_;
    PositionEncoding encoding_ = PositionEncoding::utf16;
    bool hierarchicalSymbols_ = false;
    bool initialized_ = false;
    bool shutdownRequested_ = false;
    bool finished_ = false;
    std::map<std::string, OpenDocument, std::less<>> documents_;
};

/// Whether a JSON text nests arrays and objects no deeper than limit.
bool nestingWithin(std::string_view json, int limit);

}  // namespace lsp
