#include "preprocessor/HeldBackWriter.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <streambuf>
#include <string>

#include "common/IoError.h"

namespace perlan {
namespace {

// Drives the writer with a random mix of single bytes, runs and take-backs of
// 2 or 3 bytes right after writing them, at the end of a run of any length
// (as the scanner does), for buffers so small that every operation meets a
// flush or goes past the buffer, and compares with a plain string.
TEST(HeldBackWriter, TakesBackBytesAcrossFlushesForEveryBufferSize) {
    for (std::size_t bufferSize = 6; bufferSize <= 20; ++bufferSize) {
        std::mt19937 random(static_cast<unsigned>(bufferSize));
        std::ostringstream out;
        std::string expected;
        {
            HeldBackWriter writer(out, bufferSize);
            for (int step = 0; step < 2000; ++step) {
                char byte = static_cast<char>('a' + step % 26);
                switch (random() % 4) {
                case 0:
                    writer.write(std::string(1, byte));
                    expected += byte;
                    break;
                case 1: {
                    std::string run(random() % 40, byte);
                    writer.write(run);
                    expected += run;
                    break;
                }
                default: {
                    std::size_t count = 2 + random() % 2;
                    std::string run(random() % 40, '.');
                    writer.write(run + std::string(count, byte));
                    ASSERT_TRUE(writer.unwrite(count));
                    writer.write(" try { ");
                    expected += run + " try { ";
                    break;
                }
                }
            }
            writer.finish();
        }
        ASSERT_EQ(out.str(), expected) << "buffer of " << bufferSize << " bytes";
    }
}

TEST(HeldBackWriter, RefusesToTakeBackMoreThanItHolds) {
    std::ostringstream out;
    HeldBackWriter writer(out, 8);
    writer.write("ab");
    EXPECT_FALSE(writer.unwrite(3));
    writer.write("cdefgh");
    writer.write("i");  // the full buffer goes out but for "fgh"
    EXPECT_FALSE(writer.unwrite(4));
    EXPECT_TRUE(writer.unwrite(3));
    EXPECT_FALSE(writer.unwrite(2));  // "e" is gone
    writer.write("x");
    writer.finish();
    EXPECT_EQ(out.str(), "abcdefx");  // "ghi" taken back
}

// A stream buffer that accepts `capacity` bytes and then refuses.
class FullDevice : public std::streambuf {
public:
    explicit FullDevice(std::size_t capacity) : capacity_(capacity) {}

protected:
    std::streamsize xsputn(const char*, std::streamsize count) override {
        std::streamsize accepted = std::min<std::streamsize>(count, static_cast<std::streamsize>(capacity_));
        capacity_ -= static_cast<std::size_t>(accepted);
        return accepted;
    }
    int_type overflow(int_type) override { return traits_type::eof(); }

private:
    std::size_t capacity_;
};

TEST(HeldBackWriter, ReportsARefusedWriteWhenTheBufferIsFlushed) {
    FullDevice device(10);
    std::ostream out(&device);
    HeldBackWriter writer(out, 8);
    writer.write("12345678");
    EXPECT_NO_THROW(writer.write("9"));  // five bytes go out, within the capacity
    EXPECT_THROW(writer.write(std::string(20, 'x')), common::OutputWriteError);
}

TEST(HeldBackWriter, ReportsARefusedWriteAtTheEnd) {
    FullDevice device(0);
    std::ostream out(&device);
    HeldBackWriter writer(out);
    writer.write("grammar");
    EXPECT_THROW(writer.finish(), common::OutputWriteError);
}

}  // namespace
}  // namespace perlan
