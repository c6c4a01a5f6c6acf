#pragma once

#include "preprocessor/ScanMode.h"

namespace perlan {

/// Scanning before the first "%%": reports only the "%" markers and the end of the input.
class SectionMode final : public ScanMode {
public:
    using ScanMode::ScanMode;
    int scan() override;
};

}  // namespace perlan
