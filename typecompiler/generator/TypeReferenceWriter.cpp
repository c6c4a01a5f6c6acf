#include "typecompiler/generator/TypeReferenceWriter.h"

#include <utility>

#include "typecompiler/parser/Method.h"

TypeReferenceWriter::TypeReferenceWriter(const int& line) : line_(line) {
    text_ +=
        "//////////////////////////////////////////////////////////\n"
        "// CLASS TypeReference//////////////////////////////////////\n"
        "class TypeReference extends BaseType {\n\n"
        "\tTypeReference(String s) { name = type = s; }\n"
        "\tString getName(){ return name; }\n\n"
        "\tString getType(){ return type; }\n\n";
}

void TypeReferenceWriter::addMethod(const Method& method) {
    auto [position, inserted] = stubbed_.insert(method.keySignature());
    if (!inserted) return;
    Method stub(method.name(), method.resultType(), method.parameters(),
                "\t\t throw new TypeException(\"Trying to call method " + method.fullSignature() +
                    " in a non defined type\");\n");
    stub.write(text_);
}

void TypeReferenceWriter::close() { text_ += "\n}\n"; }
