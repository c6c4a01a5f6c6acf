#include "typecompiler/generator/NamedTypeWriter.h"

#include "typecompiler/generator/Delegation.h"

namespace vastor {

NamedTypeWriter::NamedTypeWriter(const int& line) : line_(line) {
    text_ +=
        "//////////////////////////////////////////////////////////\n"
        "// CLASS NamedType//////////////////////////////////////\n"
        "class NamedType extends BaseType {\n\n"
        "\tNamedType(String s, Type t) { \n\n"
        "\t\tname = type = s;\n"
        "\t\ttypeFields = new ArrayList();\n"
        "\t\ttypeFields.add(t);\n"
        "\t}\n\n"
        "\tString getName(){ return name; }\n\n"
        "\tString getType(){ return type; }\n\n";
}

void NamedTypeWriter::addMethod(const Method& method) {
    if (!delegated_.insert(method).inserted) return;
    writeMadeFor(method.headerLine(), [&] { writeDelegation(text_, method, "getTypeField(0)."); });
}

void NamedTypeWriter::close() { text_ += "\n}\n"; }

}  // namespace vastor
