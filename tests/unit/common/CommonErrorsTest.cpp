#include <gtest/gtest.h>

#include <sstream>

#include "common/ByteReader.h"
#include "common/Exception.h"
#include "common/InternalError.h"

namespace common {
namespace {

TEST(ErrorTexts, EveryClassComposesItsTextExactly) {
    struct Case {
        std::string actual;
        std::string expected;
    };
    const Case cases[] = {
        {LexicalError(3, "caracter '_' no permitido en este contexto").what(),
         "Scanner error( line 3 ):caracter '_' no permitido en este contexto"},
        {SyntaxError(12, "Se esperaba el signo =").what(), "Syntax error( line 12 ):Se esperaba el signo ="},
        {SemanticError(1, "x").what(), "Semantic error( line 1 ):x"},
        {SyntaxError(7, "").what(), "Syntax error( line 7 ):"},
        {SyntaxError(-4, "m").what(), "Syntax error( line -4 ):m"},
        {InternalError("Scanner", 9, "unknown state in int ScannerTokenizer::yylex()").what(),
         "Internal error (file Scanner, line 9) unknown state in int ScannerTokenizer::yylex()"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected);
}

TEST(ByteReader, DeliversEveryByteAcrossBufferBoundariesAndGivesOneBack) {
    std::string text;
    for (int i = 0; i < 1000; ++i) text += static_cast<char>(i % 256);
    std::istringstream in(text);
    ByteReader reader(in, 7);
    std::string seen;
    for (int c; (c = reader.get()) != ByteReader::endOfInput;) {
        seen += static_cast<char>(c);
        if (seen.size() % 7 == 0) {  // a byte given back right at a refill boundary
            reader.putBack();
            EXPECT_EQ(reader.get(), c);
        }
    }
    EXPECT_EQ(seen, text);
    EXPECT_EQ(reader.get(), ByteReader::endOfInput);
}

TEST(ByteReader, ReadsCrLfAsLfAtEveryBufferBoundaryAndKeepsOtherCrs) {
    struct Case {
        std::string stored;
        std::string read;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", "a\nb\n"},   {"\r\r\n", "\r\n"},         {"a\r", "a\r"},   {"\r", "\r"},
        {"\r\n\r\n\r\n", "\n\n\n"}, {"x\ry\r\rz", "x\ry\r\rz"}, {"\n\r", "\n\r"}, {"", ""},
        {"\r\r\r\r\n", "\r\r\r\n"},
    };
    for (const auto& c : cases) {
        for (std::size_t size = 1; size <= 6; ++size) {
            std::istringstream in(c.stored);
            ByteReader reader(in, size, ByteReader::LineEnds::crLfAsLf);
            std::string seen;
            for (int ch; (ch = reader.get()) != ByteReader::endOfInput;) {
                seen += static_cast<char>(ch);
                reader.putBack();
                EXPECT_EQ(reader.get(), ch);
            }
            EXPECT_EQ(seen, c.read) << "buffer of " << size;
        }
    }
}

// A stream buffer that delivers some bytes, then fails as a device would.
class FailingBuffer : public std::streambuf {
protected:
    int_type underflow() override {
        if (delivered_) throw std::ios_base::failure("read error");
        delivered_ = true;
        setg(bytes_, bytes_, bytes_ + 3);
        return traits_type::to_int_type(bytes_[0]);
    }

private:
    char bytes_[3] = {'a', 'b', 'c'};
    bool delivered_ = false;
};

TEST(ByteReader, AReadErrorIsRaisedNotTakenForTheEnd) {
    FailingBuffer failing;
    std::istream in(&failing);
    ByteReader reader(in, 2);
    EXPECT_EQ(reader.get(), 'a');
    EXPECT_EQ(reader.get(), 'b');
    EXPECT_THROW(
        {
            while (reader.get() != ByteReader::endOfInput) {}
        },
        InputReadError);
}

}  // namespace
}  // namespace common
