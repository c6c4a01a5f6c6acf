#include "lsp/FrameReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lsp {
namespace {

using Kind = FrameReader::Frame::Kind;

std::vector<std::pair<Kind, std::string>> frames(const std::string& stream, std::size_t chunk,
                                                 std::size_t maxBody = FrameReader::defaultMaxBodyBytes) {
    FrameReader reader(maxBody);
    std::vector<std::pair<Kind, std::string>> found;
    for (std::size_t at = 0; at < stream.size(); at += chunk) {
        reader.feed(std::string_view(stream).substr(at, chunk));
        while (auto frame = reader.next()) found.emplace_back(frame->kind, frame->body);
    }
    return found;
}

TEST(FrameReader, MessagesComeWholeHoweverTheStreamIsCut) {
    const std::string stream =
        "Content-Length: 2\r\n\r\n{}"
        "Content-Type: application/vscode-jsonrpc; charset=utf-8\r\ncontent-length:3\r\n\r\n[1]"
        "Content-Length: 0\r\n\r\n"
        "Content-Length: 4\n\nnull";  // line feeds alone, as lenient clients send them
    const std::vector<std::pair<Kind, std::string>> expected = {
        {Kind::message, "{}"}, {Kind::message, "[1]"}, {Kind::message, ""}, {Kind::message, "null"}};
    for (std::size_t chunk : {1u, 2u, 7u, 1000u}) EXPECT_EQ(frames(stream, chunk), expected) << chunk;
}

TEST(FrameReader, BadHeadersAndLargeBodiesAreDroppedAndReported) {
    const std::string stream =
        "Content-Length: x\r\n\r\n"
        "Content-Length: 10\r\n\r\n0123456789"
        "Content-Length: 2\r\n\r\nok";
    const auto found = frames(stream, 3, 5);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].first, Kind::badHeader);
    EXPECT_EQ(found[1].first, Kind::tooLarge);
    EXPECT_EQ(found[2], (std::pair<Kind, std::string>{Kind::message, "ok"}));

    FrameReader reader;
    reader.feed(std::string(20000, 'x'));
    const auto endless = reader.next();
    ASSERT_TRUE(endless);
    EXPECT_EQ(endless->kind, Kind::badHeader);
    EXPECT_LE(reader.buffered(), 3u) << "a header that never ends is not kept";
}

}  // namespace
}  // namespace lsp
