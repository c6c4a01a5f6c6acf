#pragma once

#include "typecompiler/model/Method.h"

namespace vastor {

/// A method declared abstract: written as a declaration, never with its body.
class AbstractMethod final : public Method {
public:
    /// The body is fixed (and never written).
    AbstractMethod(std::string name, std::string resultType, std::vector<Parameter> parameters,
                   std::string modifier = {});

    /// Appends "\tabstract [modifier ]result name (parameters);\n\n".
    void write(std::string& out) const override;
};

}  // namespace vastor
