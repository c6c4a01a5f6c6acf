#include "preprocessor/PreprocessorScanner.h"

#include "common/InternalError.h"
#include "preprocessor/ScanMode.h"

namespace perlan {

PreprocessorScanner::PreprocessorScanner(std::istream& in, std::ostream& out)
    : input_(in), output_(out) {}

int PreprocessorScanner::advance() {
    if (mode_ == nullptr)
        throw InternalError("PreprocessorScanner", __LINE__, "advance() before setMode()");
    currentToken_ = mode_->scan();
    return currentToken_;
}

}  // namespace perlan
