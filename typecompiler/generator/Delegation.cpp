#include "typecompiler/generator/Delegation.h"

namespace vastor {

std::string delegationBody(const Method& method, std::string_view target) {
    std::string body = "\t\t";
    if (method.resultType() != "void") body += "return ";
    body += target;
    body += method.name();
    body += '(';
    bool first = true;
    for (const Parameter& parameter : method.parameters()) {
        if (!first) body += ", ";
        first = false;
        body += parameter.name;
    }
    body += ");\n";
    return body;
}

void writeDelegation(std::string& out, const Method& method, std::string_view target) {
    method.writeAsMethod(out, "public", delegationBody(method, target));
}

}  // namespace vastor
