#include "preprocessor/PreprocessorScanner.h"

#include "common/InternalError.h"
#include "preprocessor/PerlanMessages.h"
#include "preprocessor/ScanMode.h"

namespace perlan {

PreprocessorScanner::PreprocessorScanner(std::istream& in, std::ostream& out, std::size_t bufferBytes)
    : input_(in, bufferBytes), output_(out, bufferBytes) {}

int PreprocessorScanner::advance() {
    if (mode_ == nullptr)
        throw common::InternalError("PreprocessorScanner", __LINE__, messages::advanceWithoutMode);
    currentToken_ = mode_->scan();
    return currentToken_;
}

bool PreprocessorScanner::fillInput() {
    if (input_.get() == endOfInput) return false;
    input_.putback();
    return true;
}

void PreprocessorScanner::copyRest() {
    for (;;) {
        std::string_view bytes = input_.buffered();
        if (bytes.empty() && !fillInput()) return;
        output_.write(bytes);
        input_.skip(bytes.size());
    }
}

}  // namespace perlan
