#include "typecompiler/generator/UserClassWriter.h"

#include <string_view>

#include "common/Exception.h"
#include "typecompiler/VastorMessages.h"

namespace vastor {

namespace {

constexpr std::string_view kAccessors =
    "\tString getName() { return name; }\n\n"
    "\tString getType() { return type; }\n\n";

void writeClassHeader(std::string& out, const std::string& className) {
    out += "class ";
    out += className;
    out += " extends BaseType {\n\n";
}

}  // namespace

UserClassWriter::UserClassWriter(const int& line, const std::string& currentClass)
    : line_(line),
      currentClass_(currentClass),
      builder_("builder", "BaseType", {{"TermList", "e"}}, "//* Built at the end of type creation"),
      builderKey_(builder_.keySignature()) {}

void UserClassWriter::beginClass(int line) {
    classLine_ = line;
    marks_.fixed(text_.size(), line);
    writeClassHeader(text_, currentClass_);
    text_ += kAccessors;
}

void UserClassWriter::addClassCode(const std::string& text, int firstLine) {
    if (currentClass_ == kBaseTypeName) return;
    marks_.copy(text_.size(), firstLine);
    text_ += text;
    marks_.none(text_.size());
}

void UserClassWriter::addMethod(const Method& method) {
    if (currentClass_ == kBaseTypeName) return;
    if (method.keySignature() == builderKey_) {
        throw common::SemanticError(line_, messages::reservedBuilder(method.fullSignature()));
    }
    if (!classMethodKeys_.insert(method).inserted) {
        throw common::SemanticError(line_, messages::definedTwiceInClass(method.fullSignature(), currentClass_));
    }
    writeSpecificationMethod(method);  // the plain form, whatever the method's form
}

void UserClassWriter::writeConstructorAndBuilder(const std::string& className,
                                                 const std::vector<std::string>& argumentKinds) {
    text_ += "\tprivate ";
    text_ += className;
    text_ += "( TermList constructorArguments) {\n\n";
    text_ += "\t\tname = constructorArguments.getTypeExpression();\n\t\ttype = \"";
    text_ += className;
    text_ += "\";\n";
    text_ +=
        "\t\ttypeFields = new ArrayList();\n"
        "\t\tdataFields = new ArrayList();\n"
        "\t\tconstructorArguments.fillFields(dataFields, typeFields);\n\n"
        "\t}\n\n";

    std::string& body = builderBody_;  // keeps its room from class to class
    body = "\t\tString [] constructorParams = { ";
    for (std::size_t i = 0; i < argumentKinds.size(); ++i) {
        if (i > 0) body += ", ";
        body += '"';
        body += argumentKinds[i];
        body += '"';
    }
    body += " };\n";
    body += "\t\te.check (\"";
    body += className;
    body += "\", constructorParams);\n";
    body += "\t\treturn new ";
    body += className;
    body += " (e);\n";
    builder_.setBody(body);
    builder_.write(text_);
}

void UserClassWriter::endClassText() {
    classMethodKeys_.clear();
    text_ += "\n}\n";
}

void UserClassWriter::endClass(const std::vector<std::string>& argumentKinds) {
    marks_.fixed(text_.size(), classLine_);
    writeConstructorAndBuilder(currentClass_, argumentKinds);
    endClassText();
    marks_.none(text_.size());
}

void UserClassWriter::writeDefaultClass(const std::string& typeName, int line) {
    marks_.fixed(text_.size(), line);
    writeClassHeader(text_, typeName);
    writeConstructorAndBuilder(typeName, {});
    text_ += kAccessors;
    endClassText();
    marks_.none(text_.size());
}

}  // namespace vastor
