#include "typecompiler/scanner/ScannerTokenizer.h"

#include "common/InternalError.h"
#include "typecompiler/VastorMessages.h"
#include "typecompiler/scanner/ScannerState.h"

namespace vastor {

int ScannerTokenizer::yylex() {
    if (state_ == nullptr) throw common::InternalError(messages::scannerFile, line_, messages::unknownScannerState);
    token_ = state_->nextToken();
    return token_;
}

}  // namespace vastor
