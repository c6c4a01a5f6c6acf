#pragma once

#include "typecompiler/scanner/ScannerState.h"

namespace vastor {

/// Reads a code block whose "%{" has been read, up to the next "%}" outside
/// strings and comments (single quotes have no meaning here). Returns
/// EMBEDDED_CODE with the block without the closing "%}" as token text.
class EmbeddedCodeState : public ScannerState {
public:
    using ScannerState::ScannerState;

    int nextToken() override;
};

}  // namespace vastor
