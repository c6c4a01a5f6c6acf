#pragma once

#include "typecompiler/model/Method.h"

namespace vastor {

/// A class method of the generated Java; its modifier is never written.
class StaticMethod final : public Method {
public:
    using Method::Method;

    /// Appends "\tstatic result name (parameters) throws TypeException {\n" body "\n\t}\n\n".
    void write(std::string& out) const override;
};

}  // namespace vastor
