#pragma once

#include "typecompiler/scanner/ScannerState.h"

namespace vastor {

/// Reads a method body whose opening brace has been read, up to the brace
/// that closes it; braces in strings, character literals and comments do
/// not count. Returns METHOD_BODY with the body, comments included, without
/// the closing brace as token text.
class MethodBodyState : public ScannerState {
public:
    using ScannerState::ScannerState;

    int nextToken() override;
};

}  // namespace vastor
