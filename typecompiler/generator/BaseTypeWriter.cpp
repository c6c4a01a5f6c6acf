#include "typecompiler/generator/BaseTypeWriter.h"

#include <string_view>
#include <utility>

#include "common/Exception.h"
#include "typecompiler/VastorMessages.h"
#include "typecompiler/model/AbstractMethod.h"

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

}  // namespace

void BaseTypeWriter::addSafeCall(Method method) {
    if (!safeCallKeys_.insert(method).inserted) return;
    safeCalls_.push_back(SafeCall{std::make_unique<Method>(std::move(method))});
}

void BaseTypeWriter::addSafeCallFallback(const Method& method) {
    if (!safeCallKeys_.insert(method).inserted) return;
    SafeCall fallback;
    fallback.textBegin = safeCallText_.size();
    method.writeHead(safeCallText_, "");
    safeCallText_ += "\t\tthrow new TypeException (\"operation ";
    method.appendFullSignature(safeCallText_);
    safeCallText_ += " not available for class \"+ getType());\n";
    Method::writeTail(safeCallText_);
    fallback.textEnd = safeCallText_.size();
    fallback.line = method.headerLine();
    safeCalls_.push_back(std::move(fallback));
}

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
    addSafeCall(Method("equalsTo", "boolean", typeT, "\t\t\treturn t.getType() == getType();"));
    addSafeCall(Method("implicitCast", "Type", typeT, "\t\t// *at The end Of The Parsing"));
    const auto addReserved = [this](std::unique_ptr<Method> method) {
        if (reservedKeys_.insert(*method).inserted) reservedMethods_.push_back(std::move(method));
    };
    addReserved(std::make_unique<AbstractMethod>("getName", "String", std::vector<Parameter>{}));
    addReserved(std::make_unique<AbstractMethod>("getType", "String", std::vector<Parameter>{}));
    addReserved(std::make_unique<Method>("getTypeField", "Type", intI, "\t\treturn (Type)typeFields.get(i);"));
    addReserved(std::make_unique<Method>("getDataField", "String", intI, "\t\treturn (String)dataFields.get(i);"));
}

void BaseTypeWriter::addMethod(const Method& method) {
    if (reservedKeys_.contains(method)) {
        throw common::SemanticError(line_, messages::reservedAccessor(method.fullSignature()));
    }
    if (currentClass_ != kBaseTypeName) {
        // A key removed from the safe-call group is one of BaseType's own
        // methods, so any key the group has met needs nothing more.
        if (safeCallKeys_.contains(method) || ownKeys_.contains(method)) return;
        addSafeCallFallback(method);
        return;
    }
    if (!ownKeys_.insert(method).inserted) {
        throw common::SemanticError(line_, messages::definedTwiceInBaseType(method.fullSignature()));
    }
    ownMethods_.push_back(method.plain());
    const std::size_t safeCall = safeCallKeys_.find(method);
    if (safeCall != KeySignatureSet::npos) {
        safeCalls_[safeCall].removed = true;
        safeCalls_[safeCall].method.reset();
    }
}

void BaseTypeWriter::addClassCode(const std::string& text, int firstLine) {
    if (currentClass_ != kBaseTypeName) return;
    marks_.copy(text_.size(), firstLine);
    text_ += text;
    marks_.none(text_.size());
}

void BaseTypeWriter::addChain() {
    if (chainCount_ > 0) promotionRows_ += " },\n";
    promotionRows_ += "\t\t\t{ ";
    ++chainCount_;
    namesInChain_ = 0;
}

void BaseTypeWriter::addChainType(const std::string& typeName) {
    if (chainCount_ == 0) addChain();
    if (namesInChain_ > 0) promotionRows_ += ", ";
    ++namesInChain_;
    promotionRows_ += '"';
    promotionRows_ += typeName;
    promotionRows_ += '"';
}

void BaseTypeWriter::writePromotions(int directiveLine) {
    const std::size_t implicitCast = safeCallKeys_.find(kImplicitCastKey, Method::hashKey(kImplicitCastKey));
    if (implicitCast == KeySignatureSet::npos || !safeCalls_[implicitCast].method) return;
    safeCalls_[implicitCast].line = directiveLine;

    std::string body = "\n\t\tString [][] promotions = {\n";
    body += promotionRows_;
    if (chainCount_ > 0) body += " }\n";
    body += kPromotionSearch;
    safeCalls_[implicitCast].method->setBody(body);
}

void BaseTypeWriter::reserve(std::size_t bytes) {
    JavaWriter::reserve(bytes);
    safeCallRoom_.reserve(safeCallText_, bytes);
}

void BaseTypeWriter::settle() {
    JavaWriter::settle();
    safeCallRoom_.settle(safeCallText_);
}

void BaseTypeWriter::close() {
    // Most of the class is written now, from the throwing defaults.
    room_.expect(text_, safeCallText_.size());
    text_ += "\t// reserved Methods\n\n";
    for (const std::size_t i : reservedKeys_.sortedIndices()) reservedMethods_[i]->write(text_);
    text_ += "\t// Methods that asure safe call in polimorphics operations beteween types\n\n";
    for (const std::size_t i : safeCallKeys_.sortedIndices()) {
        const SafeCall& safeCall = safeCalls_[i];
        if (safeCall.removed) continue;
        marks_.fixed(text_.size(), safeCall.line);
        if (safeCall.method)
            safeCall.method->write(text_);
        else
            text_.append(safeCallText_, safeCall.textBegin, safeCall.textEnd - safeCall.textBegin);
        marks_.none(text_.size());
    }
    std::string().swap(safeCallText_);
    text_ += "\t// Methods defined by user in base class BaseType\n\n";
    for (const std::size_t i : ownKeys_.sortedIndices()) writeSpecificationMethod(ownMethods_[i]);
    text_ += "\n}\n";
}

}  // namespace vastor
