#include "typecompiler/generator/BaseTypeWriter.h"

#include <string_view>
#include <utility>

#include "common/Exception.h"
#include "typecompiler/VastorMessages.h"
#include "typecompiler/parser/AbstractMethod.h"

namespace vastor {

namespace {

constexpr std::string_view kImplicitCastKey = "implicitCast (Type)";

// Follows the table of promotions written by writePromotions.
constexpr std::string_view kPromotionSearch =
    "\t\t};\n\n"
    "\t\tif (getName().equals(t.getName()) ) return t;\n\n"
    "\t\tfor (int i = 0; i< promotions.length; i++){\n"
    "\t\t\tboolean found1st = false; //true if the first type is found\n"
    "\t\t\tfor (int j = 0; j< promotions[i].length; j++)\n"
    "\t\t\t\tif (found1st) {\n"
    "\t\t\t\t\tif ( promotions[i][j].equals (t.getName()) )  return t;\n"
    "\t\t\t\t}\n"
    "\t\t\t\telse\n\t\t\t\t\tif ( promotions[i][j].equals (getName()) )  found1st = true;\n"
    "\t\t}\n"
    "\t\treturn null;";

void storeUnder(std::map<std::string, Method>& group, Method method) {
    std::string key = method.keySignature();
    group.emplace(std::move(key), std::move(method));
}

void storeUnder(std::map<std::string, std::unique_ptr<Method>>& group, std::unique_ptr<Method> method) {
    std::string key = method->keySignature();
    group.emplace(std::move(key), std::move(method));
}

}  // namespace

BaseTypeWriter::BaseTypeWriter(const int& line, const std::string& currentClass)
    : line_(line), currentClass_(currentClass) {
    text_ +=
        "abstract class BaseType {\n\n"
        "\tString name;\n"
        "\tString type;\n"
        "\tArrayList typeFields;\n"
        "\tArrayList dataFields;\n\n";

    const std::vector<Parameter> typeT{{"Type", "t"}};
    const std::vector<Parameter> intI{{"int", "i"}};
    storeUnder(safeCallMethods_, Method("equalsTo", "boolean", typeT, "\t\t\treturn t.getType() == getType();"));
    storeUnder(safeCallMethods_, Method("implicitCast", "Type", typeT, "\t\t// *at The end Of The Parsing"));
    storeUnder(reservedMethods_, std::make_unique<AbstractMethod>("getName", "String", std::vector<Parameter>{}));
    storeUnder(reservedMethods_, std::make_unique<AbstractMethod>("getType", "String", std::vector<Parameter>{}));
    storeUnder(reservedMethods_,
               std::make_unique<Method>("getTypeField", "Type", intI, "\t\treturn (Type)typeFields.get(i);"));
    storeUnder(reservedMethods_,
               std::make_unique<Method>("getDataField", "String", intI, "\t\treturn (String)dataFields.get(i);"));
}

void BaseTypeWriter::addMethod(const Method& method) {
    const std::string& key = method.keySignature();
    if (reservedMethods_.contains(key)) {
        throw common::SemanticError(line_, messages::reservedAccessor(method.fullSignature()));
    }
    if (currentClass_ != kBaseTypeName) {
        if (safeCallMethods_.contains(key) || ownMethods_.contains(key)) return;
        Method fallback(method.name(), method.resultType(), method.parameters(),
                        "\t\tthrow new TypeException (\"operation " + method.fullSignature() +
                            " not available for class \"+ getType());\n");
        safeCallMethods_.emplace(key, std::move(fallback));
        return;
    }
    if (ownMethods_.contains(key)) {
        throw common::SemanticError(line_, messages::definedTwiceInBaseType(method.fullSignature()));
    }
    safeCallMethods_.erase(key);
    ownMethods_.emplace(key, Method(method));  // a plain copy, whatever its form
}

void BaseTypeWriter::addClassCode(const std::string& text) {
    if (currentClass_ == kBaseTypeName) text_ += text;
}

void BaseTypeWriter::addChain() { chains_.emplace_back(); }

void BaseTypeWriter::addChainType(const std::string& typeName) {
    if (chains_.empty()) chains_.emplace_back();
    chains_.back().push_back(typeName);
}

void BaseTypeWriter::writePromotions() {
    auto implicitCast = safeCallMethods_.find(std::string(kImplicitCastKey));
    if (implicitCast == safeCallMethods_.end()) return;

    std::string body = "\n\t\tString [][] promotions = {\n";
    for (std::size_t chain = 0; chain < chains_.size(); ++chain) {
        const std::vector<std::string>& names = chains_[chain];
        body += "\t\t\t{ ";
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (i > 0) body += ", ";
            body += '"';
            body += names[i];
            body += '"';
        }
        body += chain + 1 == chains_.size() ? " }\n" : " },\n";
    }
    body += kPromotionSearch;
    implicitCast->second.setBody(std::move(body));
}

void BaseTypeWriter::close() {
    text_ += "\t// reserved Methods\n\n";
    for (const auto& [key, method] : reservedMethods_) method->write(text_);
    text_ += "\t// Methods that asure safe call in polimorphics operations beteween types\n\n";
    for (const auto& [key, method] : safeCallMethods_) method.write(text_);
    text_ += "\t// Methods defined by user in base class BaseType\n\n";
    for (const auto& [key, method] : ownMethods_) method.write(text_);
    text_ += "\n}\n";
}

}  // namespace vastor
