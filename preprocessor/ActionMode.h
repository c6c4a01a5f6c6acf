#pragma once

#include "preprocessor/ScanMode.h"

namespace perlan {

/// Scanning of one semantic action after its "{": copies it, rewriting its typechecking blocks, and reports the "}" that closes it or the end of the input.
class ActionMode final : public ScanMode {
public:
    using ScanMode::ScanMode;
    int scan() override;
};

}  // namespace perlan
