#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "typecompiler/generator/JavaWriter.h"
#include "typecompiler/generator/KeySignatureSet.h"
#include "typecompiler/model/Method.h"

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

    /// Appends text unchanged when the current class is BaseType; the text
    /// starts on firstLine of the specification (0: unknown).
    void addClassCode(const std::string& text, int firstLine = 0);

    /// Starts a new, empty promotion chain.
    void addChain();
    /// Appends typeName to the last chain.
    void addChainType(const std::string& typeName);
    /// Turns the chains into the body of the default implicitCast, whose
    /// lines map to directiveLine (0: unknown).
    void writePromotions(int directiveLine = 0);

    /// Writes the three method groups and closes the class.
    void close();

    /// Makes room for the class and, as much again, for the throwing
    /// defaults kept until close().
    void reserve(std::size_t bytes) override;
    void settle() override;

private:
    const int& line_;
    const std::string& currentClass_;
    /// A method of the safe-call group: one of the defaults of every BaseType,
    /// or the throwing default of a user method, whose text is written at
    /// once into safeCallText_ (a byte range there) since it never changes.
    struct SafeCall {
        /// Held apart: one SafeCall is kept for every method name and
        /// signature of the user classes, and few of them hold a Method.
        std::unique_ptr<Method> method;
        std::size_t textBegin = 0;
        std::size_t textEnd = 0;
        bool removed = false;
        /// The specification line all its lines map to; 0: none.
        int line = 0;
    };

    void addSafeCall(Method method);
    void addSafeCallFallback(const Method& method);

    // Each group is a set of key signatures with what belongs to each key
    // under the key's number; close() writes them in key order.
    KeySignatureSet reservedKeys_;
    std::vector<std::unique_ptr<Method>> reservedMethods_;
    KeySignatureSet safeCallKeys_;
    std::vector<SafeCall> safeCalls_;
    std::string safeCallText_;
    TextRoom safeCallRoom_;
    KeySignatureSet ownKeys_;
    std::vector<Method> ownMethods_;
    /// The rows of the promotions table, written as the chains come in:
    /// '{ "a", "b"' for each chain so far, the last one still open.
    std::string promotionRows_;
    std::size_t chainCount_ = 0;
    std::size_t namesInChain_ = 0;
};

}  // namespace vastor
