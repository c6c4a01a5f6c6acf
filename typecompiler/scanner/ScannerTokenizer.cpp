#include "typecompiler/scanner/ScannerTokenizer.h"

#include "common/InternalError.h"
#include "typecompiler/scanner/ScannerMessages.h"
#include "typecompiler/scanner/ScannerState.h"

namespace vastor {

int ScannerTokenizer::yylex() {
    if (state_ == nullptr)
        throw common::InternalError(scannerMessages::internalErrorFile, line_, scannerMessages::unknownState);
    token_ = state_->nextToken();
    return token_;
}

}  // namespace vastor
