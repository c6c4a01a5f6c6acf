#include "typecompiler/model/AbstractMethod.h"

#include <utility>

namespace vastor {

AbstractMethod::AbstractMethod(std::string name, std::string resultType, std::vector<Parameter> parameters,
                               std::string modifier)
    : Method(std::move(name), std::move(resultType), std::move(parameters), " \t//* AbstractMethod",
             std::move(modifier)) {}

void AbstractMethod::write(std::string& out) const {
    out += "\tabstract ";
    appendModifier(out, modifier());
    appendNameAndParameters(out, ");\n\n");
}

}  // namespace vastor
