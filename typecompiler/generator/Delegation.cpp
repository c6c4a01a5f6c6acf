#include "typecompiler/generator/Delegation.h"

namespace vastor {

void appendDelegationBody(std::string& body, const Method& method, std::string_view target) {
    body += "\t\t";
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
}

void writeDelegation(std::string& out, const Method& method, std::string_view target) {
    method.writeHead(out, "public");
    appendDelegationBody(out, method, target);
    Method::writeTail(out);
}

}  // namespace vastor
