#pragma once

#include <string>
#include <vector>

#include "typecompiler/generator/JavaWriter.h"
#include "typecompiler/generator/KeySignatureSet.h"
#include "typecompiler/model/StaticMethod.h"

namespace vastor {

/// Writes one Java class per type class: the classes the specification
/// defines (other than BaseType), in its order, and the default classes of
/// promoted types nobody defined.
class UserClassWriter : public JavaWriter {
public:
    /// line and currentClass belong to the caller and must outlive the writer.
    UserClassWriter(const int& line, const std::string& currentClass);

    /// Writes a method of the current user class at once; rejects the
    /// reserved builder and a second definition of a key signature in the
    /// same class. Ignores methods of BaseType.
    void addMethod(const Method& method) override;

    /// Appends text unchanged unless the current class is BaseType; the
    /// text starts on firstLine of the specification (0: unknown).
    void addClassCode(const std::string& text, int firstLine = 0);

    /// Writes the header and accessors of the current class, whose header
    /// stands on line of the specification (0: unknown).
    void beginClass(int line = 0);

    /// Writes the constructor and builder of the current class (argumentKinds
    /// in order: "Type", "String", "Type+" or "String+") and closes it.
    void endClass(const std::vector<std::string>& argumentKinds);

    /// Writes a whole class without arguments or methods for typeName,
    /// named on line of the specification (0: unknown).
    void writeDefaultClass(const std::string& typeName, int line = 0);

private:
    void writeConstructorAndBuilder(const std::string& className, const std::vector<std::string>& argumentKinds);
    void endClassText();

    const int& line_;
    const std::string& currentClass_;
    int classLine_ = 0;
    KeySignatureSet classMethodKeys_;
    /// Written once per class with a body naming that class.
    StaticMethod builder_;
    std::string builderBody_;
    std::string builderKey_;
};

}  // namespace vastor
