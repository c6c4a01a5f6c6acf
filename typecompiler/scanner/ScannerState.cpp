#include "typecompiler/scanner/ScannerState.h"

#include "common/InternalError.h"
#include "typecompiler/scanner/ScannerMessages.h"

namespace vastor {

void ScannerState::unknownSubState() const {
    throw common::InternalError(scannerMessages::internalErrorFile, line(), scannerMessages::unknownState);
}

}  // namespace vastor
