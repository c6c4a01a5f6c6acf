#include "typecompiler/model/Method.h"

#include <utility>

namespace vastor {

Method::Method(std::string name, std::string resultType, std::vector<Parameter> parameters, std::string body,
               std::string modifier)
    : modifier_(std::move(modifier)),
      body_(std::move(body)),
      name_(std::move(name)),
      resultType_(std::move(resultType)),
      parameters_(std::move(parameters)) {
    computeKey();
}

void Method::assign(std::string_view name, std::string_view resultType, std::span<const Parameter> parameters,
                    std::string_view body) {
    modifier_.clear();
    headerLine_ = bodyLine_ = 0;
    body_.assign(body);
    name_.assign(name);
    resultType_.assign(resultType);
    parameters_.resize(parameters.size());
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        parameters_[i].type.assign(parameters[i].type);
        parameters_[i].name.assign(parameters[i].name);
    }
    computeKey();
}

void Method::computeKey() {
    std::size_t length = name_.size() + 3;
    for (const Parameter& parameter : parameters_) length += parameter.type.size() + 2;
    keySignature_.reserve(length);
    keySignature_ = name_;
    keySignature_ += " (";
    bool first = true;
    for (const Parameter& parameter : parameters_) {
        if (!first) keySignature_ += ", ";
        first = false;
        keySignature_ += parameter.type;
    }
    keySignature_ += ')';
    keyHash_ = hashKey(keySignature_);
}

std::uint64_t Method::hashKey(std::string_view key) { return std::hash<std::string_view>{}(key); }

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
    writeHead(out, modifier);
    out += body;
    writeTail(out);
}

void Method::writeHead(std::string& out, std::string_view modifier) const {
    out += '\t';
    appendModifier(out, modifier);
    appendNameAndParameters(out, ") throws TypeException {\n");
}

std::string Method::fullSignature() const {
    std::string signature;
    appendFullSignature(signature);
    return signature;
}

void Method::appendFullSignature(std::string& out) const {
    out += resultType_;
    out += ' ';
    out += keySignature_;
}

}  // namespace vastor
