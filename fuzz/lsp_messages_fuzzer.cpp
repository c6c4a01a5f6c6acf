// Feeds arbitrary bytes to the language server's message entry point, in
// one of two ways chosen by the input:
//  - an input that starts with "Content-Length" is a stream from a client:
//    it is cut into messages as the server cuts its input, in chunks of a
//    size that varies with the input, and each batch goes to the server,
//    which then checks and publishes what is due;
//  - any other input is a document (the other harnesses' corpora are
//    specifications and grammars): it is opened as a specification and as a
//    grammar, edited by a sequence of changes drawn from the input's hash
//    (fragments that matter to the tools, pieces of the input, positions in
//    and past the text, in UTF-16 or UTF-8), and asked every request at
//    drawn places after each change.
// Besides crashes, sanitizer reports and time-outs it checks that
//  - every request gets exactly one answer, with its id;
//  - every diagnostic lies within its document;
//  - a document reached by changes gets the diagnostics that the same text
//    gets when it is opened whole.

#include <climits>
#include <cstddef>
#include <cstdint>
#include <map>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "lsp/FrameReader.h"
#include "lsp/Server.h"

namespace {

using lsp::Json;
using Clock = lsp::Server::Clock;

class NullBuffer : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

struct Host : lsp::ServerHost {
    void send(const Json& message) override { sent.push_back(message); }
    void startSaveCheck(lsp::SaveCheckJob) override {}  // no programs are run here
    std::vector<Json> sent;
};

// A small generator of choices, seeded by the input.
class Draw {
public:
    explicit Draw(std::string_view data) {
        for (unsigned char c : data) state_ = (state_ ^ c) * 0x100000001B3ull;
    }
    std::uint64_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return state_;
    }
    std::size_t below(std::size_t bound) { return bound == 0 ? 0 : next() % bound; }

private:
    std::uint64_t state_ = 0xCBF29CE484222325ull;
};

// An oracle of its own for applying a change: (line, character) to a byte
// offset, lines ended by LF, CR LF or CR, characters counted in the encoding.
std::size_t offsetOf(const std::string& text, long line, long character, bool utf8) {
    std::size_t at = 0;
    for (long l = 0; l < line; ++l) {
        const std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string::npos) return text.size();
        at = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    for (long c = 0; c < character && at < text.size() && text[at] != '\n' && text[at] != '\r';) {
        const auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = lead >= 0xF0 && lead <= 0xF4   ? 4
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xC2 && lead <= 0xDF ? 2
                                                            : 1;
        if (at + length > text.size()) length = 1;
        const long units = utf8 ? static_cast<long>(length) : (length == 4 ? 2 : 1);
        if (c + units > character) break;
        c += units;
        at += length;
    }
    return at;
}

long lineCount(const std::string& text) {
    long lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++lines;
    return lines;
}

class Session {
public:
    Session() : log_(nowhere_), server_(host_, log_) {}

    void deliver(const std::vector<Json>& messages) {
        std::vector<std::string> bodies;
        for (const Json& message : messages) bodies.push_back(message.dump());
        receive(bodies);
    }
    void receive(const std::vector<std::string>& bodies) {
        // The requests the server must answer: those it reads before an exit.
        for (const std::string& body : bodies) {
            if (exited_ || !lsp::nestingWithin(body, lsp::Server::maxJsonNesting)) continue;
            const Json message = Json::parse(body, nullptr, false);
            if (!message.is_object() || !message.contains("method") || !message["method"].is_string()) continue;
            if (message["method"] == "exit" && !message.contains("id")) exited_ = true;
            const auto id = message.find("id");
            if (id != message.end() && (id->is_string() || id->is_number_integer())) ++asked_[id->dump()];
        }
        server_.receive(bodies, Clock::now());
        server_.checkDue(Clock::time_point::max());
        server_.publish();
        for (const Json& message : host_.sent) look(message);
        host_.sent.clear();
    }
    // Each request answered once.
    void finish() {
        for (const auto& [id, count] : asked_)
            fuzzCheck(answered_[id] == count, "every request gets exactly one answer", id);
    }
    const Json& diagnostics(const std::string& uri) { return diagnostics_[uri]; }
    void setText(const std::string& uri, const std::string& text) { texts_[uri] = text; }

private:
    void look(const Json& message) {
        if (message.contains("id") && !message.contains("method")) {
            ++answered_[message["id"].dump()];
            return;
        }
        if (message.value("method", "") != "textDocument/publishDiagnostics") return;
        const std::string uri = message["params"]["uri"];
        // The texts of a client's stream are not followed here: only their start and end.
        const auto text = texts_.find(uri);
        const long lines = text == texts_.end() ? LONG_MAX : lineCount(text->second);
        for (const Json& diagnostic : message["params"]["diagnostics"]) {
            const Json& range = diagnostic["range"];
            fuzzCheck(range["start"]["line"] <= range["end"]["line"] && range["end"]["line"] < lines,
                      "a diagnostic lies within its document", diagnostic.dump());
        }
        diagnostics_[uri] = message["params"]["diagnostics"];
    }

    NullBuffer discard_;
    std::ostream nowhere_{&discard_};
    lsp::Log log_;
    Host host_;
    lsp::Server server_;
    std::map<std::string, int> asked_, answered_;
    bool exited_ = false;
    std::map<std::string, Json> diagnostics_;
    std::map<std::string, std::string> texts_;
};

Json notice(const char* method, Json params) {
    return {{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}};
}

Json initialize(bool utf8) {
    return {{"jsonrpc", "2.0"},
            {"id", 0},
            {"method", "initialize"},
            {"params",
             {{"capabilities", {{"general", {{"positionEncodings", utf8 ? Json{"utf-8"} : Json{"utf-16"}}}}}},
              {"initializationOptions", {{"typetools", {{"checkOnSave", false}}}}}}}};
}

Json open(const std::string& uri, const char* language, const std::string& text) {
    return notice("textDocument/didOpen",
                  {{"textDocument", {{"uri", uri}, {"languageId", language}, {"version", 1}, {"text", text}}}});
}

const char* const fragments[] = {"class ",
                                 "Types = { ",
                                 " < ",
                                 "}",
                                 "{",
                                 "%{",
                                 "%}",
                                 "%%\n",
                                 "/*<",
                                 ">*/",
                                 "\"",
                                 "'",
                                 "/*",
                                 "*/",
                                 "//",
                                 "\n",
                                 "\r\n",
                                 "\r",
                                 "(Type +, String)",
                                 " f () { return \"a\"; }",
                                 "\xC3\xA9",
                                 "\xF0\x9D\x84\x9E",
                                 "_",
                                 "BaseType",
                                 "expr : expr '+' term { $$ = $1; }\n"};

void editDocument(std::string_view data) {
    Draw draw(data);
    const bool utf8 = draw.below(2) == 0;
    // JSON holds UTF-8 only: the document is the input with other bytes made Latin-1 letters.
    std::string text;
    for (unsigned char c : data) {
        if (c < 0x80) {
            text += static_cast<char>(c);
        } else {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    const std::pair<std::string, const char*> documents[] = {{"file:///t.spec", "vastor"}, {"file:///g.yt", "perlan"}};
    Session session;
    session.deliver({initialize(utf8)});
    int id = 1;
    for (const auto& [uri, language] : documents) {
        std::string current = text;
        session.setText(uri, current);
        session.deliver({open(uri, language, current)});
        for (int version = 2; version < 8; ++version) {
            const long lines = lineCount(current);
            const long line = static_cast<long>(draw.below(static_cast<std::size_t>(lines) + 1));
            const long character = static_cast<long>(draw.below(40));
            const long endLine = line + static_cast<long>(draw.below(3));
            const long endCharacter = static_cast<long>(draw.below(40));
            std::string inserted = fragments[draw.below(std::size(fragments))];
            if (draw.below(3) == 0 && !text.empty()) {
                const std::size_t from = draw.below(text.size());
                inserted = text.substr(from, draw.below(64));
                // A cut inside a UTF-8 sequence would make the message no JSON.
                while (!inserted.empty() && (static_cast<unsigned char>(inserted.back()) & 0x80)) inserted.pop_back();
                while (!inserted.empty() && (static_cast<unsigned char>(inserted.front()) & 0xC0) == 0x80)
                    inserted.erase(0, 1);
            }
            std::size_t from = offsetOf(current, line, character, utf8);
            std::size_t to = offsetOf(current, endLine, endCharacter, utf8);
            if (to < from) std::swap(from, to);
            current.replace(from, to - from, inserted);
            session.setText(uri, current);
            const Json range = {{"start", {{"line", line}, {"character", character}}},
                                {"end", {{"line", endLine}, {"character", endCharacter}}}};
            std::vector<Json> batch = {notice(
                "textDocument/didChange", {{"textDocument", {{"uri", uri}, {"version", version}}},
                                           {"contentChanges", Json::array({{{"range", range}, {"text", inserted}}})}})};
            const Json position = {{"line", draw.below(static_cast<std::size_t>(lines) + 2)},
                                   {"character", draw.below(50)}};
            for (const char* method :
                 {"textDocument/hover", "textDocument/definition", "textDocument/references", "textDocument/completion",
                  "textDocument/documentSymbol", "textDocument/foldingRange"})
                batch.push_back({{"jsonrpc", "2.0"},
                                 {"id", id++},
                                 {"method", method},
                                 {"params",
                                  {{"textDocument", {{"uri", uri}}},
                                   {"position", position},
                                   {"context", {{"includeDeclaration", true}}}}}});
            if (draw.below(4) == 0) batch.push_back(notice("textDocument/didSave", {{"textDocument", {{"uri", uri}}}}));
            session.deliver(batch);
        }
        // The same text opened whole gets the same diagnostics.
        Session whole;
        whole.setText(uri, current);
        whole.deliver({initialize(utf8), open(uri, language, current)});
        fuzzCheck(session.diagnostics(uri) == whole.diagnostics(uri),
                  "changes give the diagnostics of the text opened whole",
                  session.diagnostics(uri).dump() + " / " + whole.diagnostics(uri).dump());
    }
    session.finish();
}

void readStream(std::string_view data) {
    Session session;
    lsp::FrameReader frames(1 << 20);
    const std::size_t chunk = 1 + data.size() % 97;
    for (std::size_t at = 0; at < data.size(); at += chunk) {
        frames.feed(data.substr(at, chunk));
        std::vector<std::string> bodies;
        while (auto frame = frames.next())
            if (frame->kind == lsp::FrameReader::Frame::Kind::message) bodies.push_back(std::move(frame->body));
        session.receive(bodies);
    }
    session.finish();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.substr(0, 14) == "Content-Length")
        readStream(input);
    else
        editDocument(input);
    return 0;
}
