#include "lsp/Server.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace lsp {
namespace {

using Clock = Server::Clock;

struct FakeHost : ServerHost {
    void send(const Json& message) override { sent.push_back(message); }
    void startSaveCheck(SaveCheckJob job) override { jobs.push_back(std::move(job)); }
    std::vector<Json> sent;
    std::vector<SaveCheckJob> jobs;
};

Json notice(const std::string& method, Json params) {
    return {{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}};
}
Json call(int id, const std::string& method, Json params) {
    return {{"jsonrpc", "2.0"}, {"id", id}, {"method", method}, {"params", std::move(params)}};
}
Json document(const std::string& uri) { return {{"textDocument", {{"uri", uri}}}}; }
Json open(const std::string& uri, const std::string& text) {
    return notice("textDocument/didOpen",
                  {{"textDocument", {{"uri", uri}, {"languageId", "vastor"}, {"version", 1}, {"text", text}}}});
}
Json change(const std::string& uri, int version, Json changes) {
    return notice("textDocument/didChange",
                  {{"textDocument", {{"uri", uri}, {"version", version}}}, {"contentChanges", std::move(changes)}});
}
Json range(int line, int character, int endLine, int endCharacter) {
    return {{"start", {{"line", line}, {"character", character}}},
            {"end", {{"line", endLine}, {"character", endCharacter}}}};
}

class ServerTest : public testing::Test {
protected:
    ServerTest() : log_(logText_), server_(host_, log_) {}

    void deliver(const std::vector<Json>& messages, Clock::time_point now = Clock::now()) {
        std::vector<std::string> bodies;
        for (const Json& message : messages) bodies.push_back(message.dump());
        server_.receive(bodies, now);
    }
    void initialize(Json capabilities = Json::object(), Json options = Json::object()) {
        deliver({call(0, "initialize", {{"capabilities", capabilities}, {"initializationOptions", options}})});
        host_.sent.clear();
    }
    // Checks what is due and returns what the server sent since the last call.
    std::vector<Json> settle(Clock::time_point now = Clock::now()) {
        server_.checkDue(now);
        server_.publish();
        return std::exchange(host_.sent, {});
    }

    std::ostringstream logText_;
    Log log_;
    FakeHost host_;
    Server server_;
};

TEST_F(ServerTest, AnswersThatWouldBeStaleAreRefused) {
    initialize();
    deliver({open("file:///a.spec", "Types = { a }\n"), call(1, "textDocument/hover", {}),
             call(2, "textDocument/foldingRange", document("file:///a.spec")),
             change("file:///a.spec", 2, Json::array({{{"text", "Types = { b }\n"}}})),
             notice("$/cancelRequest", {{"id", 1}})});
    const auto sent = settle();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[0]["error"]["code"], -32800) << "cancelled later in the batch";
    EXPECT_EQ(sent[1]["error"]["code"], -32801) << "its document changed later in the batch";
    EXPECT_EQ(sent[2]["params"]["version"], 2) << "diagnostics only for the last version";
}

TEST_F(ServerTest, MessagesThatAreNotJsonOrNestTooDeeplyAreRefused) {
    server_.receive({"{\"jsonrpc\": ", std::string(200, '[') + std::string(200, ']')}, Clock::now());
    ASSERT_EQ(host_.sent.size(), 2u);
    for (const Json& answer : host_.sent) EXPECT_EQ(answer["error"]["code"], -32700);
}

TEST_F(ServerTest, IncrementalChangesApplyInOrderInUtf16) {
    initialize();
    deliver({open("file:///a.spec", "%{ \"\xF0\x9D\x84\x9E\" %}\nTypes = { a }\n")});
    settle();
    // After the musical symbol (two UTF-16 units): the closing quote, blank and %} stay.
    deliver({change("file:///a.spec", 2,
                    Json::array({{{"range", range(2, 0, 2, 0)}, {"text", "class b { }\n"}},
                                 {{"range", range(2, 6, 2, 7)}, {"text", "a"}},
                                 {{"range", range(0, 5, 0, 5)}, {"text", "x"}}}))});
    const auto sent = settle();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0]["params"]["diagnostics"], Json::array()) << sent[0].dump();
}

TEST_F(ServerTest, ChecksWaitForTheDelayAfterAChange) {
    initialize({}, {{"typetools", {{"diagnosticsDelay", 100}}}});
    const auto start = Clock::now();
    deliver({open("file:///a.spec", "Types = { a }\n")}, start);
    EXPECT_EQ(settle(start).size(), 1u) << "an opened document is checked at once";
    deliver({change("file:///a.spec", 2, Json::array({{{"text", "x"}}}))}, start);
    EXPECT_TRUE(settle(start + std::chrono::milliseconds(99)).empty());
    EXPECT_EQ(server_.nextDue(), start + std::chrono::milliseconds(100));
    EXPECT_EQ(settle(start + std::chrono::milliseconds(100)).size(), 1u);
}

TEST_F(ServerTest, ChecksOnSaveRunForTheSavedVersionOnly) {
    initialize({}, {{"typetools", {{"javac", "no-such-javac"}}}});
    deliver({open("file:///t.spec", "Types = { a }\nclass a {\n  int f () { return x; }\n}\n")});
    settle();
    deliver({notice("textDocument/didSave", document("file:///t.spec"))});
    EXPECT_TRUE(host_.jobs.empty()) << "no javac, no check";

    server_.saveCheckDone({"file:///t.spec", 1, {{3, Severity::error, "javac", "cannot find symbol"}}, {}});
    auto sent = settle();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0]["params"]["diagnostics"][0]["range"]["start"], Json({{"line", 2}, {"character", 2}}));
    server_.saveCheckDone({"file:///t.spec", 0, {{1, Severity::error, "javac", "stale"}}, {}});
    EXPECT_TRUE(settle().empty()) << "a result for an older version is dropped";
}

TEST_F(ServerTest, ClientsWithoutNestingGetFlatSymbols) {
    initialize();
    deliver({open("file:///a.spec", "Types = { a }\nclass a { void f () { } }\n"),
             call(1, "textDocument/documentSymbol", document("file:///a.spec"))});
    const Json symbols = host_.sent.at(0)["result"];
    ASSERT_EQ(symbols.size(), 4u);
    EXPECT_EQ(symbols[3]["name"], "f");
    EXPECT_EQ(symbols[3]["containerName"], "a");
    EXPECT_EQ(symbols[3]["location"]["uri"], "file:///a.spec");
}

TEST_F(ServerTest, TheExitStatusTellsWhetherShutdownCame) {
    initialize();
    deliver({notice("exit", {})});
    EXPECT_TRUE(server_.finished());
    EXPECT_EQ(server_.exitStatus(), 1);

    FakeHost host;
    Server other(host, log_);
    other.receive({call(1, "initialize", {}).dump(), call(2, "shutdown", nullptr).dump()}, Clock::now());
    other.inputEnded();
    EXPECT_TRUE(other.finished());
    EXPECT_EQ(other.exitStatus(), 0);
}

}  // namespace
}  // namespace lsp
