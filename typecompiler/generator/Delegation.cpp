#include "typecompiler/generator/Delegation.h"

Method makeDelegation(const Method& method, std::string_view target) {
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
    return Method(method.name(), method.resultType(), method.parameters(), std::move(body), "public");
}
