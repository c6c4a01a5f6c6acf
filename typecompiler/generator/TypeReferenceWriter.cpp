#include "typecompiler/generator/TypeReferenceWriter.h"

#include "typecompiler/model/Method.h"

namespace vastor {

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
    if (!stubbed_.insert(method).inserted) return;
    writeMadeFor(method.headerLine(), [&] {
        method.writeHead(text_, "");
        text_ += "\t\t throw new TypeException(\"Trying to call method ";
        method.appendFullSignature(text_);
        text_ += " in a non defined type\");\n";
        Method::writeTail(text_);
    });
}

void TypeReferenceWriter::close() { text_ += "\n}\n"; }

}  // namespace vastor
