#include "typecompiler/scanner/ScannerState.h"

#include "common/InternalError.h"
#include "typecompiler/scanner/ScannerMessages.h"

void ScannerState::unknownSubState() const {
    throw InternalError(scannerMessages::internalErrorFile, line(), scannerMessages::unknownState);
}
