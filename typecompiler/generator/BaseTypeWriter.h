#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "typecompiler/generator/JavaWriter.h"
#include "typecompiler/parser/Method.h"

namespace vastor {

/// Writes the abstract Java class BaseType: fields, the code blocks of the
/// specification's BaseType, the reserved accessors, the safe-call group
/// (equality, the promotion search and a throwing default for every method
/// of a user class) and the methods the specification gives BaseType.
class BaseTypeWriter : public JavaWriter {
public:
    /// line and currentClass belong to the caller and must outlive the writer.
    /// Writes the head of the class and creates the default methods.
    BaseTypeWriter(const int& line, const std::string& currentClass);

    /// Rejects redefinitions of the reserved accessors in any class and a
    /// second definition of a key signature in BaseType; records a safe-call
    /// default for a user method, or the method itself when in BaseType.
    void addMethod(const Method& method) override;

    /// Appends text unchanged when the current class is BaseType.
    virtual void addClassCode(const std::string& text);

    /// Starts a new, empty promotion chain.
    void addChain();
    /// Appends typeName to the last chain.
    void addChainType(const std::string& typeName);
    /// Turns the chains into the body of the default implicitCast.
    void writePromotions();

    /// Writes the three method groups and closes the class.
    void close();

private:
    const int& line_;
    const std::string& currentClass_;
    std::map<std::string, std::unique_ptr<Method>> reservedMethods_;
    std::map<std::string, Method> safeCallMethods_;
    std::map<std::string, Method> ownMethods_;
    std::vector<std::vector<std::string>> chains_;
};

}  // namespace vastor
