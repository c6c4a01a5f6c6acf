#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "typecompiler/generator/JavaWriter.h"
#include "typecompiler/generator/KeySignatureSet.h"
#include "typecompiler/model/Method.h"

namespace vastor {

/// Writes the Java wrapper class Type: the preamble, the table adapter, the
/// fixed accessors, the methods Type generates itself, one delegation to the
/// wrapped BaseType per distinct method of the specification, and the sorted
/// array of predefined type names.
class TypeWriter : public JavaWriter {
public:
    /// line and currentClass belong to the caller and must outlive the writer;
    /// parserClass is the Java class the generated parser factory instantiates;
    /// notices receives the "Definition of" lines.
    TypeWriter(const int& line, const std::string& currentClass, std::string parserClass, std::ostream& notices);

    /// Rejects the key signatures Type generates itself; notes definitions of
    /// the ones Type delegates by itself; writes a delegation for every other
    /// key signature the first time it is seen.
    void addMethod(const Method& method) override;

    /// Starts the class: preamble, fixed head and the generated methods.
    /// Called once, before anything else. The preamble starts on
    /// preambleLine of the specification (0: unknown).
    void writeHeader(const std::string& preamble, int preambleLine = 0);

    /// Closes the class with the array of predefined type names: all of
    /// promotedTypes but "BaseType", which are in ascending byte order
    /// without repeats; the array's lines map to directiveLine (0: unknown).
    void writeTypeStrings(std::span<const std::string> promotedTypes, int directiveLine = 0);

private:
    /// Writes a method that Type generates itself and reserves its key signature.
    void addGeneratedMethod(const Method& method);

    const int& line_;
    const std::string& currentClass_;
    std::ostream& notices_;
    /// What class Type does with each key signature it has met.
    enum class Role : std::uint8_t { typeHandled, generated, delegated };
    /// Every key signature Type has met, with its role by number: the
    /// Type-handled ones, the generated ones and the delegated ones.
    KeySignatureSet keys_;
    std::vector<Role> roles_;
    std::string parserClass_;
};

}  // namespace vastor
