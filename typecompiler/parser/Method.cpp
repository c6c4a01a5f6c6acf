#include "typecompiler/parser/Method.h"

#include <utility>

Method::Method(std::string name, std::string resultType, std::vector<Parameter> parameters, std::string body,
               std::string modifier)
    : modifier_(std::move(modifier)),
      body_(std::move(body)),
      name_(std::move(name)),
      resultType_(std::move(resultType)),
      parameters_(std::move(parameters)) {}

void Method::appendParameterList(std::string& out) const {
    bool first = true;
    for (const Parameter& parameter : parameters_) {
        if (!first) out += ", ";
        first = false;
        out += parameter.type;
        out += ' ';
        out += parameter.name;
    }
}

void Method::appendModifier(std::string& out) const {
    if (modifier_.empty()) return;
    out += modifier_;
    out += ' ';
}

void Method::appendNameAndParameters(std::string& out, const char* tail) const {
    out += resultType_;
    out += ' ';
    out += name_;
    out += " (";
    appendParameterList(out);
    out += tail;
}

void Method::write(std::string& out) const {
    out += '\t';
    appendModifier(out);
    appendNameAndParameters(out, ") throws TypeException {\n");
    out += body_;
    out += "\n\t}\n\n";
}

std::string Method::parameterList() const {
    std::string list;
    appendParameterList(list);
    return list;
}

std::string Method::typeList() const {
    std::string list;
    bool first = true;
    for (const Parameter& parameter : parameters_) {
        if (!first) list += ", ";
        first = false;
        list += parameter.type;
    }
    return list;
}

std::string Method::keySignature() const {
    std::string key = name_;
    key += " (";
    key += typeList();
    key += ')';
    return key;
}

std::string Method::fullSignature() const {
    std::string signature = resultType_;
    signature += ' ';
    signature += keySignature();
    return signature;
}
