#pragma once

#include "typecompiler/scanner/ScannerState.h"

namespace vastor {

/// Reads the structure of a specification and the method headers: returns
/// 0 at the end of input, punctuation, IDENTIFIER, TYPES or CLASS. Skips
/// blanks, tabs, line feeds and comments.
class TopLevelState : public ScannerState {
public:
    using ScannerState::ScannerState;

    int nextToken() override;

private:
    /// Reads the rest of a word that starts with the letter first; an
    /// identifier may contain letters, digits, '_' and '.'.
    int readIdentifier(char first);
};

}  // namespace vastor
