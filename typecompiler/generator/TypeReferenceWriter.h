#pragma once

#include "typecompiler/generator/JavaWriter.h"
#include "typecompiler/generator/KeySignatureSet.h"

namespace vastor {

/// Writes the Java class TypeReference, the type of a name not yet defined:
/// every method of the specification gets one stub that throws.
class TypeReferenceWriter : public JavaWriter {
public:
    /// Writes the head of the class. line is kept for symmetry with the
    /// other writers; this writer rejects nothing.
    explicit TypeReferenceWriter(const int& line);

    /// Writes a throwing stub the first time a key signature is seen.
    void addMethod(const Method& method) override;

    /// Closes the class.
    void close();

private:
    [[maybe_unused]] const int& line_;
    KeySignatureSet stubbed_;
};

}  // namespace vastor
