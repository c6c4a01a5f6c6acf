#pragma once

#include "typecompiler/scanner/ScannerState.h"

namespace vastor {

/// Reads the gap between the members of a class body: returns CODE_START
/// for "%{", METHOD_START at the first letter of a method (the letter is
/// given back for the top-level state) and '}' at the end of the body.
/// Skips white space and comments; the end of input is an error here.
class ClassBodyState : public ScannerState {
public:
    using ScannerState::ScannerState;

    int nextToken() override;
};

}  // namespace vastor
