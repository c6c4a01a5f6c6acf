// The server's diagnostics: the front ends' on every change, the checks on
// save, and their publication.
#include <filesystem>
#include <system_error>

#include "common/FileNames.h"
#include "lsp/FrontEnds.h"
#include "lsp/Programs.h"
#include "lsp/Protocol.h"
#include "lsp/Server.h"

namespace lsp {

namespace {

bool holdsApiSources(const std::string& folder) {
    std::error_code error;
    return !folder.empty() && std::filesystem::is_regular_file(
                                  common::filePath(folder + "/es/corvena/dmq/typeChecking/TypeIF.java"), error);
}

// The name of the file a uri names, for the line map.
std::string fileName(const std::string& uri) {
    const std::size_t slash = uri.find_last_of('/');
    const std::string name = slash == std::string::npos ? uri : uri.substr(slash + 1);
    return name.empty() ? "specification" : name;
}

}  // namespace

std::optional<Server::Clock::time_point> Server::nextDue() const {
    std::optional<Clock::time_point> next;
    for (const auto& [uri, entry] : documents_)
        if (entry.due && (!next || *entry.due < *next)) next = entry.due;
    return next;
}

void Server::checkDue(Clock::time_point now) {
    for (auto& [uri, entry] : documents_) {
        if (!entry.due || *entry.due > now) continue;
        entry.due.reset();
        const auto start = Clock::now();
        const std::string& text = entry.document->text();
        entry.findings =
            entry.document->language() == Language::specification ? checkSpecification(text) : checkGrammar(text);
        entry.unpublished = diagnosticsJson(entry);
        if (log_.verbose())
            log_.debug(
                "checked " + uri + " in " +
                std::to_string(std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count()) +
                " us");
    }
}

void Server::publish() {
    for (auto& [uri, entry] : documents_) {
        if (!entry.unpublished) continue;
        sendDiagnostics(uri, entry.document->version(), std::move(*entry.unpublished));
        entry.unpublished.reset();
    }
}

Json Server::diagnosticsJson(const OpenDocument& entry) const {
    Json diagnostics = Json::array();
    for (const auto* findings : {&entry.findings, &entry.saveFindings})
        for (const Finding& finding : *findings)
            diagnostics.push_back({{"range", rangeJson(entry.document->lines(), finding.span)},
                                   {"severity", static_cast<int>(finding.severity)},
                                   {"source", finding.source},
                                   {"message", finding.message}});
    return diagnostics;
}

void Server::sendDiagnostics(const std::string& uri, std::optional<long> version, Json diagnostics) {
    Json params = {{"uri", uri}, {"diagnostics", std::move(diagnostics)}};
    if (version) params["version"] = *version;
    host_.send({{"jsonrpc", "2.0"}, {"method", "textDocument/publishDiagnostics"}, {"params", std::move(params)}});
}

void Server::didSave(const Json& params) {
    const std::string& uri = documentUri(params);
    const auto found = documents_.find(uri);
    if (found == documents_.end() || !settings_.checkOnSave) return;
    OpenDocument& entry = found->second;
    const Document& document = *entry.document;
    SaveCheckJob job;
    job.uri = uri;
    job.version = document.version();
    job.language = document.language();
    if (document.language() == Language::specification) {
        job.program = resolveProgram(settings_.javac, "javac");
        job.apiSources = resolveApiSources();
        if (job.program.empty() || job.apiSources.empty()) return;
        VastorRun run = runVastor(document.text(), fileName(uri));
        if (!run.error.empty()) return;  // the front end's error is shown already
        job.generated = std::move(run.typeJava);
        job.lineMap = std::move(run.lineMap);
        job.typeException = typeExceptionSource();
    } else {
        job.program = resolveProgram(settings_.byaccj, "byaccj");
        if (job.program.empty()) return;
        PerlanRun run = runPerlan(document.text(), true);
        if (!run.error.empty()) return;
        job.generated = std::move(run.output);
        job.grammarText = document.text();
    }
    log_.info("checking " + uri + " with " + job.program);
    host_.startSaveCheck(std::move(job));
}

void Server::saveCheckDone(SaveCheckResult result) {
    if (!result.log.empty()) log_.warning(result.log);
    const auto found = documents_.find(result.uri);
    if (found == documents_.end() || found->second.document->version() != result.version) return;
    OpenDocument& entry = found->second;
    entry.saveFindings.clear();
    for (const LineMessage& message : result.messages)
        entry.saveFindings.push_back(placeOnLine(entry.document->text(), message));
    log_.info(result.uri + ": " + std::to_string(result.messages.size()) + " message(s) on save");
    // Published with the front end's findings, at once unless a check is due anyway.
    if (!entry.due) entry.unpublished = diagnosticsJson(entry);
}

void Server::inputEnded() {
    if (!finished_ && !shutdownRequested_) log_.warning("the client's input ended without shutdown and exit");
    finished_ = true;
}

std::string Server::resolveProgram(const std::string& setting, const char* name) {
    const std::string program = findProgram(setting.empty() ? name : setting);
    if (program.empty())
        log_.info(std::string("no check on save: ") + (setting.empty() ? name : setting) + " was not found");
    return program;
}

std::string Server::resolveApiSources() {
    if (!settings_.apiSources.empty()) {
        // javac runs in a folder of its own: a relative path would not hold there.
        std::error_code error;
        const auto absolute = std::filesystem::absolute(common::filePath(settings_.apiSources), error).u8string();
        if (holdsApiSources(settings_.apiSources)) return std::string(absolute.begin(), absolute.end());
        log_.warning("apiSources does not hold the Java API's sources: " + settings_.apiSources);
        return {};
    }
    // Installed beside the program, where the build installs them, or in the source tree.
    for (const std::string& folder : {programDirectory() + "/../share/typetools/api",
                                      std::string(TYPETOOLS_INSTALLED_API), std::string(TYPETOOLS_SOURCE_API)})
        if (holdsApiSources(folder)) return folder;
    log_.info("no check on save: the Java API's sources were not found (setting apiSources)");
    return {};
}

}  // namespace lsp
