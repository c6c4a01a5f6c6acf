#pragma once

#include "typecompiler/generator/JavaWriter.h"
#include "typecompiler/generator/KeySignatureSet.h"

namespace vastor {

/// Writes the Java class NamedType, an alias of another type: every method
/// of the specification gets one delegation to the aliased type.
class NamedTypeWriter : public JavaWriter {
public:
    /// Writes the head of the class. line is kept for symmetry with the
    /// other writers; this writer rejects nothing.
    explicit NamedTypeWriter(const int& line);

    /// Writes a delegation to getTypeField(0) the first time a key signature is seen.
    void addMethod(const Method& method) override;

    /// Closes the class.
    void close();

private:
    [[maybe_unused]] const int& line_;
    KeySignatureSet delegated_;
};

}  // namespace vastor
