#include "typecompiler/parser/Method.h"

#include <utility>

namespace vastor {

Method::Method(std::string name, std::string resultType, std::vector<Parameter> parameters, std::string body,
               std::string modifier)
    : modifier_(std::move(modifier)),
      body_(std::move(body)),
      name_(std::move(name)),
      resultType_(std::move(resultType)),
      parameters_(std::move(parameters)) {
    keySignature_ = name_;
    keySignature_ += " (";
    keySignature_ += typeList();
    keySignature_ += ')';
}

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

void Method::appendModifier(std::string& out, std::string_view modifier) {
    if (modifier.empty()) return;
    out += modifier;
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

void Method::write(std::string& out) const { writeAsMethod(out, modifier_, body_); }

void Method::writeAsMethod(std::string& out, std::string_view modifier, std::string_view body) const {
    out += '\t';
    appendModifier(out, modifier);
    appendNameAndParameters(out, ") throws TypeException {\n");
    out += body;
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

std::string Method::fullSignature() const {
    std::string signature = resultType_;
    signature += ' ';
    signature += keySignature();
    return signature;
}

}  // namespace vastor
