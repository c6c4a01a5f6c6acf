#include "lsp/Server.h"

#include <exception>
#include <utility>

#include "lsp/Protocol.h"

namespace lsp {

namespace {

constexpr std::size_t lookAhead = 256;  // later messages of a batch searched for changes and cancels

Json response(const Json& id, Json result) { return {{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(result)}}; }

Json errorResponse(const Json& id, int code, const std::string& message) {
    return {{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", code}, {"message", message}}}};
}

const std::string* methodOf(const Json& message) {
    const Json* method = optionalMember(message, "method", Json::value_t::string);
    return method ? &method->get_ref<const std::string&>() : nullptr;
}

const Json& paramsOf(const Json& message) {
    static const Json none;
    const auto found = message.find("params");
    return found == message.end() ? none : *found;
}

// The uri of params.textDocument, or null when the message names none.
const std::string* uriOf(const Json& params) {
    const Json* document = optionalMember(params, "textDocument", Json::value_t::object);
    const Json* uri = document ? optionalMember(*document, "uri", Json::value_t::string) : nullptr;
    return uri ? &uri->get_ref<const std::string&>() : nullptr;
}

bool isDocumentRequest(const std::string& method) {
    return method == "textDocument/documentSymbol" || method == "textDocument/foldingRange" ||
           method == "textDocument/definition" || method == "textDocument/references" ||
           method == "textDocument/hover" || method == "textDocument/completion";
}

}  // namespace

bool nestingWithin(std::string_view json, int limit) {
    int depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > limit) return false;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return true;
}

Server::Server(ServerHost& host, Log& log) : host_(host), log_(log) {}

void Server::receive(const std::vector<std::string>& bodies, Clock::time_point now) {
    std::vector<Json> batch;
    batch.reserve(bodies.size());
    for (const std::string& body : bodies) {
        Json message =
            nestingWithin(body, maxJsonNesting) ? Json::parse(body, nullptr, false) : Json(Json::value_t::discarded);
        if (message.is_discarded()) {
            log_.warning("a message that is not JSON was answered with a parse error");
            host_.send(errorResponse(nullptr, errorCode::parseError, "the message is not JSON, or nests too deeply"));
        }
        batch.push_back(std::move(message));
    }
    for (std::size_t i = 0; i < batch.size() && !finished_; ++i) {
        if (batch[i].is_discarded()) continue;
        handle(batch, i, now);
    }
}

void Server::handle(const std::vector<Json>& batch, std::size_t index, Clock::time_point now) {
    const Json& message = batch[index];
    if (!message.is_object()) {
        host_.send(errorResponse(nullptr, errorCode::invalidRequest, "a message must be a JSON object"));
        return;
    }
    const std::string* method = methodOf(message);
    const auto idMember = message.find("id");
    const bool isRequest = idMember != message.end();
    if (!method) {
        // A response to a request of ours (there are none), or nonsense.
        if (!isRequest || message.contains("result") || message.contains("error")) return;
        host_.send(errorResponse(nullptr, errorCode::invalidRequest, "a request must name its method"));
        return;
    }
    if (log_.verbose()) log_.debug("received " + *method);
    const Json& params = paramsOf(message);
    if (!isRequest) {
        try {
            notification(*method, params, now);
        } catch (const std::exception& error) {
            log_.error(*method + ": " + error.what());
        }
        return;
    }
    const Json& id = *idMember;
    if (!id.is_string() && !id.is_number_integer()) {
        host_.send(errorResponse(nullptr, errorCode::invalidRequest, "a request's id must be a number or a string"));
        return;
    }
    if (cancelledLater(batch, index, id)) {
        host_.send(errorResponse(id, errorCode::requestCancelled, "cancelled"));
        return;
    }
    if (const std::string* uri = uriOf(params);
        uri && initialized_ && isDocumentRequest(*method) && changedLater(batch, index, *uri)) {
        host_.send(errorResponse(id, errorCode::contentModified, "the document changed"));
        return;
    }
    try {
        host_.send(response(id, request(*method, params)));
    } catch (const ResponseError& error) {
        host_.send(errorResponse(id, error.code(), error.what()));
    } catch (const Json::exception& error) {
        host_.send(errorResponse(id, errorCode::invalidParams, error.what()));
    } catch (const std::exception& error) {
        log_.error(*method + ": " + error.what());
        host_.send(errorResponse(id, errorCode::internalError, error.what()));
    }
}

bool Server::changedLater(const std::vector<Json>& batch, std::size_t index, const std::string& uri) const {
    for (std::size_t i = index + 1; i < batch.size() && i <= index + lookAhead; ++i) {
        const std::string* method = batch[i].is_object() ? methodOf(batch[i]) : nullptr;
        if (!method || (*method != "textDocument/didChange" && *method != "textDocument/didClose")) continue;
        const std::string* changed = uriOf(paramsOf(batch[i]));
        if (changed && *changed == uri) return true;
    }
    return false;
}

bool Server::cancelledLater(const std::vector<Json>& batch, std::size_t index, const Json& id) const {
    for (std::size_t i = index + 1; i < batch.size() && i <= index + lookAhead; ++i) {
        const std::string* method = batch[i].is_object() ? methodOf(batch[i]) : nullptr;
        if (!method || *method != "$/cancelRequest") continue;
        const Json& params = paramsOf(batch[i]);
        if (params.is_object() && params.contains("id") && params["id"] == id) return true;
    }
    return false;
}

Json Server::request(const std::string& method, const Json& params) {
    if (method == "initialize") {
        if (initialized_) throw ResponseError(errorCode::invalidRequest, "initialize was sent twice");
        return initialize(params);
    }
    if (!initialized_) throw ResponseError(errorCode::serverNotInitialized, "the server is not initialized");
    if (shutdownRequested_) throw ResponseError(errorCode::invalidRequest, "the server is shutting down");
    if (method == "shutdown") {
        shutdownRequested_ = true;
        return nullptr;
    }
    if (method == "textDocument/documentSymbol") return documentSymbols(params);
    if (method == "textDocument/foldingRange") return foldingRanges(params);
    if (method == "textDocument/definition") return definition(params);
    if (method == "textDocument/references") return references(params);
    if (method == "textDocument/hover") return hover(params);
    if (method == "textDocument/completion") return completion(params);
    throw ResponseError(errorCode::methodNotFound, "unknown method " + method);
}

void Server::notification(const std::string& method, const Json& params, Clock::time_point now) {
    if (method == "exit") {
        finished_ = true;
        return;
    }
    if (!initialized_ || shutdownRequested_) return;
    if (method == "textDocument/didOpen") return didOpen(params, now);
    if (method == "textDocument/didChange") return didChange(params, now);
    if (method == "textDocument/didClose") return didClose(params);
    if (method == "textDocument/didSave") return didSave(params);
    if (method == "workspace/didChangeConfiguration") {
        if (const Json* settings = optionalMember(params, "settings", Json::value_t::object))
            settings_.update(*settings);
        return;
    }
    // initialized, $/cancelRequest for requests already answered, $/setTrace and the like.
}

Json Server::initialize(const Json& params) {
    initialized_ = true;
    if (const Json* options = optionalMember(params, "initializationOptions", Json::value_t::object))
        settings_.update(*options);
    const Json* capabilities = optionalMember(params, "capabilities", Json::value_t::object);
    const Json* general = capabilities ? optionalMember(*capabilities, "general", Json::value_t::object) : nullptr;
    const Json* encodings = general ? optionalMember(*general, "positionEncodings", Json::value_t::array) : nullptr;
    if (encodings)
        for (const Json& encoding : *encodings)
            if (encoding == "utf-8") encoding_ = PositionEncoding::utf8;
    const Json* textDocument =
        capabilities ? optionalMember(*capabilities, "textDocument", Json::value_t::object) : nullptr;
    const Json* symbols =
        textDocument ? optionalMember(*textDocument, "documentSymbol", Json::value_t::object) : nullptr;
    const Json* nesting =
        symbols ? optionalMember(*symbols, "hierarchicalDocumentSymbolSupport", Json::value_t::boolean) : nullptr;
    hierarchicalSymbols_ = nesting && nesting->get<bool>();
    log_.info(std::string("initialized; positions in ") + (encoding_ == PositionEncoding::utf8 ? "UTF-8" : "UTF-16"));
    return {{"capabilities",
             {{"positionEncoding", encoding_ == PositionEncoding::utf8 ? "utf-8" : "utf-16"},
              {"textDocumentSync", {{"openClose", true}, {"change", 2}, {"save", {{"includeText", false}}}}},
              {"documentSymbolProvider", true},
              {"foldingRangeProvider", true},
              {"definitionProvider", true},
              {"referencesProvider", true},
              {"hoverProvider", true},
              {"completionProvider", {{"triggerCharacters", {"\"", "(", ","}}}}}},
            {"serverInfo", {{"name", "typetools-lsp"}, {"version", TYPETOOLS_VERSION}}}};
}

void Server::didOpen(const Json& params, Clock::time_point now) {
    const Json& item = requireMember(params, "textDocument", Json::value_t::object);
    const std::string& uri = requireString(item, "uri");
    const Json* version = optionalMember(item, "version", Json::value_t::number_integer);
    const std::string& text = requireString(item, "text");
    const std::string* languageId = optionalMember(item, "languageId", Json::value_t::string)
                                        ? &item["languageId"].get_ref<const std::string&>()
                                        : nullptr;
    const std::optional<Language> language = languageOf(languageId ? *languageId : "", uri);
    if (!language) {
        log_.info("not a specification or grammar, not served: " + uri);
        return;
    }
    const auto existing = documents_.find(uri);
    const std::size_t replaced = existing == documents_.end() ? 0 : existing->second.document->text().size();
    if (text.size() > maxDocumentBytes || totalBytes() - replaced + text.size() > maxTotalBytes) {
        log_.error("too large to serve (documents are limited to 64 MiB, 256 MiB together): " + uri);
        if (existing != documents_.end()) documents_.erase(existing);
        return;
    }
    OpenDocument& entry = documents_[uri];
    entry = OpenDocument{};
    entry.document = std::make_unique<Document>(uri, *language, version ? version->get<long>() : 0, text, encoding_);
    entry.due = now;
}

void Server::didChange(const Json& params, Clock::time_point now) {
    const std::string& uri = documentUri(params);
    const auto found = documents_.find(uri);
    if (found == documents_.end()) return;
    OpenDocument& entry = found->second;
    Document& document = *entry.document;
    // Every change is read before any is applied: a malformed one changes nothing.
    struct Change {
        const std::string& text;
        std::optional<std::pair<Position, Position>> range;
    };
    std::vector<Change> changes;
    for (const Json& change : requireMember(params, "contentChanges", Json::value_t::array)) {
        Change& read = changes.emplace_back(Change{requireString(change, "text"), std::nullopt});
        if (const Json* range = optionalMember(change, "range", Json::value_t::object))
            read.range = {positionFrom(requireMember(*range, "start", Json::value_t::object)),
                          positionFrom(requireMember(*range, "end", Json::value_t::object))};
    }
    const std::size_t others = totalBytes() - document.text().size();
    for (const Change& change : changes) {
        const std::size_t growth = change.text.size() + document.text().size();
        if (growth > maxDocumentBytes || others + growth > maxTotalBytes) {
            log_.error("grew too large to serve, closed: " + uri);
            sendDiagnostics(uri, std::nullopt, Json::array());
            documents_.erase(found);
            return;
        }
        if (change.range)
            document.replace(change.range->first, change.range->second, change.text);
        else
            document.setText(change.text);
    }
    const Json& identifier = requireMember(params, "textDocument", Json::value_t::object);
    if (const Json* version = optionalMember(identifier, "version", Json::value_t::number_integer))
        document.setVersion(version->get<long>());
    entry.specification.reset();
    entry.grammar.reset();
    entry.unpublished.reset();
    entry.saveFindings.clear();
    entry.due = now + settings_.diagnosticsDelay;
}

void Server::didClose(const Json& params) {
    const std::string& uri = documentUri(params);
    if (documents_.erase(uri) > 0) sendDiagnostics(uri, std::nullopt, Json::array());
}

Server::OpenDocument& Server::open(const std::string& uri) {
    const auto found = documents_.find(uri);
    if (found == documents_.end()) throw ResponseError(errorCode::invalidParams, "not an open document: " + uri);
    return found->second;
}

const SpecificationOutline& Server::specificationOutline(OpenDocument& entry) {
    if (!entry.specification) entry.specification = outlineSpecification(entry.document->text());
    return *entry.specification;
}

const GrammarOutline& Server::grammarOutline(OpenDocument& entry) {
    if (!entry.grammar) entry.grammar = outlineGrammar(entry.document->text());
    return *entry.grammar;
}

std::size_t Server::offsetOf(const OpenDocument& entry, const Json& params) const {
    return entry.document->lines().offset(positionFrom(requireMember(params, "position", Json::value_t::object)));
}

std::size_t Server::totalBytes() const {
    std::size_t total = 0;
    for (const auto& [uri, entry] : documents_) total += entry.document->text().size();
    return total;
}

}  // namespace lsp
