#include "preprocessor/PreprocessorScanner.h"

#include <algorithm>
#include <climits>

#include "common/InternalError.h"
#include "common/IoError.h"
#include "common/LineFeeds.h"
#include "preprocessor/PerlanMessages.h"
#include "preprocessor/ScanMode.h"

namespace perlan {

namespace {

// The file that Perlan's internal errors name, with the line of the input.
constexpr std::string_view internalErrorFile = "PreprocessorScanner";

}  // namespace

PreprocessorScanner::PreprocessorScanner(std::istream& in, std::ostream& out, std::size_t bufferBytes)
    : in_(in), input_(std::max<std::size_t>(bufferBytes, 1)), output_(out, bufferBytes) {}

int PreprocessorScanner::advance() {
    if (mode_ == nullptr) throw common::InternalError(internalErrorFile, line(), messages::advanceWithoutMode);
    currentToken_ = mode_->scan();
    return currentToken_;
}

int PreprocessorScanner::line() const {
    const std::uint64_t lines =
        1 + lineFeedsBefore_ + endsCountedAsLines_ + common::countLineFeeds(input_.data(), input_.data() + position_);
    return lines > INT_MAX ? INT_MAX : static_cast<int>(lines);
}

void PreprocessorScanner::finishOutput() {
    flushSpan();
    output_.finish();
}

void PreprocessorScanner::copyRest() {
    do position_ = filled_;
    while (refill());
}

void PreprocessorScanner::replaceBeyondSpan(std::size_t count, std::string_view text) {
    // All of the span is replaced, and the rest was written before it.
    if (!output_.unwrite(count - (position_ - spanStart_)))
        throw common::InternalError(internalErrorFile, line(), messages::unwriteTooFar);
    spanStart_ = position_;
    output_.write(text);
}

bool PreprocessorScanner::refill() {
    flushSpan();
    lineFeedsBefore_ += common::countLineFeeds(input_.data(), input_.data() + filled_);
    position_ = spanStart_ = filled_ = 0;
    if (!in_) return false;
    in_.read(input_.data(), static_cast<std::streamsize>(input_.size()));
    filled_ = static_cast<std::size_t>(in_.gcount());
    if (in_.bad()) throw common::InputReadError();
    return filled_ > 0;
}

}  // namespace perlan
