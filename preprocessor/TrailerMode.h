#pragma once

#include "preprocessor/ScanMode.h"

namespace perlan {

/// Scanning after the second "%%": copies all the rest, looking at nothing.
class TrailerMode final : public ScanMode {
public:
    using ScanMode::ScanMode;
    int scan() override;
};

}  // namespace perlan
