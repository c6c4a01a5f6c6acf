#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "typecompiler/model/Parameter.h"

namespace vastor {

class AbstractMethod;
class StaticMethod;

/// The record of one method of a type class and its Java text.
///
/// The forms AbstractMethod and StaticMethod differ from it only in how they
/// are written. A copy that a writer keeps is always a plain Method; it is
/// made by plain(), never by copying one of those forms into a Method, which
/// the compiler refuses.
class Method {
public:
    /// A method; the modifier ("public" or empty) is written before the
    /// result type. The body is the text between the braces, unchanged.
    Method(std::string name, std::string resultType, std::vector<Parameter> parameters, std::string body,
           std::string modifier = {});

    /// Appends the method as Java text to out:
    /// "\t[modifier ]result name (parameters) throws TypeException {\n" body "\n\t}\n\n".
    virtual void write(std::string& out) const;

    /// Appends the plain form of this method (as write does for a Method)
    /// with the given modifier and body in place of its own.
    void writeAsMethod(std::string& out, std::string_view modifier, std::string_view body) const;
    /// The parts of writeAsMethod around the body, for writers that append
    /// a body piece by piece: "\t[modifier ]result name (parameters) throws
    /// TypeException {\n" and "\n\t}\n\n".
    void writeHead(std::string& out, std::string_view modifier) const;
    static void writeTail(std::string& out) { out += "\n\t}\n\n"; }

    /// Gives this record these fields and no modifier, keeping the room its
    /// texts had: for a reader that builds one method after another without
    /// allocating for each.
    void assign(std::string_view name, std::string_view resultType, std::span<const Parameter> parameters,
                std::string_view body);

    virtual ~Method() = default;
    Method(const Method&) = default;
    Method& operator=(const Method&) = default;
    Method(Method&&) = default;
    Method& operator=(Method&&) = default;
    Method(const AbstractMethod&) = delete;
    Method(const StaticMethod&) = delete;
    Method& operator=(const AbstractMethod&) = delete;
    Method& operator=(const StaticMethod&) = delete;

    /// A plain Method with the fields and lines of this one, whatever its form.
    Method plain() const { return Method(*this); }

    const std::string& modifier() const { return modifier_; }
    const std::string& body() const { return body_; }
    const std::string& name() const { return name_; }
    const std::string& resultType() const { return resultType_; }
    const std::vector<Parameter>& parameters() const { return parameters_; }

    /// Replaces the body; the record keeps the room it had.
    void setBody(std::string_view body) { body_.assign(body); }

    /// Where the method stands in the specification: the line of its header
    /// and the line of the brace that opens its body (the body's first line).
    /// Both are 0 for the methods Vastor makes up itself.
    void setLines(int headerLine, int bodyLine) {
        headerLine_ = headerLine;
        bodyLine_ = bodyLine;
    }
    int headerLine() const { return headerLine_; }
    int bodyLine() const { return bodyLine_; }

    /// "f (int, String)": the identity of a method in every override rule.
    /// Computed with the fields, by the constructor or assign.
    const std::string& keySignature() const { return keySignature_; }
    /// hashKey(keySignature()), computed with it.
    std::uint64_t keyHash() const { return keyHash_; }
    /// The hash by which the writers look key signatures up.
    static std::uint64_t hashKey(std::string_view key);
    /// "void f (int, String)": used in messages and notes only.
    std::string fullSignature() const;
    /// Appends fullSignature() to out.
    void appendFullSignature(std::string& out) const;

protected:
    /// "int a, String b"; nothing without parameters.
    void appendParameterList(std::string& out) const;
    static void appendModifier(std::string& out, std::string_view modifier);
    /// " name (parameters)" followed by tail.
    void appendNameAndParameters(std::string& out, const char* tail) const;

private:
    /// Computes keySignature_ and keyHash_ from the name and parameters.
    void computeKey();

    std::string modifier_;
    std::string body_;
    std::string name_;
    std::string resultType_;
    std::vector<Parameter> parameters_;
    std::string keySignature_;
    std::uint64_t keyHash_;
    int headerLine_ = 0;
    int bodyLine_ = 0;
};

}  // namespace vastor
