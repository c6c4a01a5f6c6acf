#pragma once

#include "preprocessor/ScanMode.h"

namespace perlan {

/// Scanning of the rules section: reports "{", "}", "%%" and the end of the input.
class RulesMode final : public ScanMode {
public:
    using ScanMode::ScanMode;
    int scan() override;
};

}  // namespace perlan
