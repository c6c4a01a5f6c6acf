#include "typecompiler/parser/ClassTable.h"

#include <algorithm>

#include "common/Exception.h"
#include "typecompiler/VastorMessages.h"
#include "typecompiler/generator/LineMap.h"

namespace vastor {

ClassTable::ClassTable(const int& line, const std::string& teParserClass, std::ostream& notices)
    : line_(line),
      specialNames_{"Type", "NamedType", "TypeReference"},
      typeWriter_(line, currentClass_, teParserClass, notices),
      typeReferenceWriter_(line),
      baseTypeWriter_(line, currentClass_),
      userClassWriter_(line, currentClass_),
      namedTypeWriter_(line) {}

void ClassTable::enableLineMap() {
    mapsLines_ = true;
    typeWriter_.enableLineMarks();
    typeReferenceWriter_.enableLineMarks();
    baseTypeWriter_.enableLineMarks();
    userClassWriter_.enableLineMarks();
    namedTypeWriter_.enableLineMarks();
}

void ClassTable::setPreamble(const std::string& text, int firstLine) { typeWriter_.writeHeader(text, firstLine); }

void ClassTable::beginPromotion(const std::string& typeName) {
    if (mapsLines_ && directiveLine_ == 0) directiveLine_ = line_;
    baseTypeWriter_.addChain();
    addPromotionType(typeName);
}

void ClassTable::addPromotionType(const std::string& typeName) {
    if (typeName == kBaseTypeName || isSpecialName(typeName)) {
        throw common::SemanticError(line_, messages::specialClassPromoted(typeName));
    }
    promotedTypes_.push_back(typeName);
    promotedTypesSorted_ = false;
    if (mapsLines_) promotedTypeLines_.emplace(typeName, line_);
    baseTypeWriter_.addChainType(typeName);
}

void ClassTable::endPromotions() {
    sortPromotedTypes();
    baseTypeWriter_.writePromotions(directiveLine_);
}

void ClassTable::sortPromotedTypes() {
    if (promotedTypesSorted_) return;
    std::sort(promotedTypes_.begin(), promotedTypes_.end());
    promotedTypes_.erase(std::unique(promotedTypes_.begin(), promotedTypes_.end()), promotedTypes_.end());
    promotedTypesSorted_ = true;
    classDefined_.assign(promotedTypes_.size(), false);
}

std::size_t ClassTable::promotedIndex(const std::string& name) {
    sortPromotedTypes();
    const auto place = std::lower_bound(promotedTypes_.begin(), promotedTypes_.end(), name);
    if (place == promotedTypes_.end() || *place != name) return npos;
    return static_cast<std::size_t>(place - promotedTypes_.begin());
}

void ClassTable::beginClass(const std::string& className) {
    const bool isBaseType = className == kBaseTypeName;
    if (isSpecialName(className)) {
        throw common::SemanticError(line_, messages::specialClassDefined(className));
    }
    std::size_t promoted = npos;
    if (isBaseType) {
        if (baseTypeDefined_) throw common::SemanticError(line_, messages::baseTypeDefinedTwice);
        baseTypeDefined_ = true;
    } else {
        promoted = promotedIndex(className);
        if (promoted == npos) throw common::SemanticError(line_, messages::classNotPromoted(className));
    }
    currentClass_ = className;
    if (!isBaseType) {
        if (classDefined_[promoted]) throw common::SemanticError(line_, messages::classDefinedTwice(className));
        classDefined_[promoted] = true;
    }
    currentArgumentKinds_.clear();
    if (!isBaseType) userClassWriter_.beginClass(line_);
}

void ClassTable::addClassArgument(const std::string& kind) {
    if (currentClass_ == kBaseTypeName) throw common::SemanticError(line_, messages::baseTypeWithArguments);
    currentArgumentKinds_.push_back(kind);
}

void ClassTable::addClassCode(const std::string& text, int firstLine) {
    userClassWriter_.addClassCode(text, firstLine);
    baseTypeWriter_.addClassCode(text, firstLine);
}

void ClassTable::addMethod(const Method& method) {
    // The order decides which rule reports a method that breaks several.
    userClassWriter_.addMethod(method);
    baseTypeWriter_.addMethod(method);
    typeWriter_.addMethod(method);
    typeReferenceWriter_.addMethod(method);
    namedTypeWriter_.addMethod(method);
}

void ClassTable::endClass() {
    if (currentClass_ != kBaseTypeName) userClassWriter_.endClass(currentArgumentKinds_);
    typeWriter_.settle();
    typeReferenceWriter_.settle();
    baseTypeWriter_.settle();
    userClassWriter_.settle();
    namedTypeWriter_.settle();
}

void ClassTable::reserveForInput(std::size_t specificationBytes) {
    // Type.java is typically about twice the specification; any writer may
    // take most of it. Room that is never written costs no memory. Without
    // this hint the buffers are copied as they grow, page by page
    // (benchmarks/RESULTS.md). Short methods shared by many classes give the
    // user classes alone 2.4 times the specification (the delegation-heavy
    // benchmark): with room for only twice, that buffer was copied once at
    // the end, and the copy held both at the peak.
    const std::size_t room = 2 * specificationBytes;
    typeWriter_.reserve(room);
    typeReferenceWriter_.reserve(room);
    baseTypeWriter_.reserve(room);
    userClassWriter_.reserve(2 * room);
    namedTypeWriter_.reserve(room);
}

void ClassTable::generate(std::ostream& out) {
    baseTypeWriter_.close();
    sortPromotedTypes();
    typeWriter_.writeTypeStrings(promotedTypes_, directiveLine_);
    for (std::size_t i = 0; i < promotedTypes_.size(); ++i) {
        if (classDefined_[i] || promotedTypes_[i] == kBaseTypeName) continue;
        const auto mentioned = promotedTypeLines_.find(promotedTypes_[i]);
        userClassWriter_.writeDefaultClass(promotedTypes_[i],
                                           mentioned == promotedTypeLines_.end() ? 0 : mentioned->second);
    }
    typeReferenceWriter_.close();
    namedTypeWriter_.close();

    const auto writeText = [&out](const JavaWriter& writer) {
        out.write(writer.text().data(), static_cast<std::streamsize>(writer.text().size()));
    };
    writeText(typeWriter_);
    writeText(baseTypeWriter_);
    writeText(userClassWriter_);
    writeText(typeReferenceWriter_);
    writeText(namedTypeWriter_);
    out.put('\n');
    out.flush();
}

}  // namespace vastor

namespace vastor {

std::string ClassTable::lineMap(std::string_view sourceName, std::string_view sourcePath) const {
    const MarkedText stretches[] = {
        {typeWriter_.text(), typeWriter_.lineMarks()},
        {baseTypeWriter_.text(), baseTypeWriter_.lineMarks()},
        {userClassWriter_.text(), userClassWriter_.lineMarks()},
        {typeReferenceWriter_.text(), typeReferenceWriter_.lineMarks()},
        {namedTypeWriter_.text(), namedTypeWriter_.lineMarks()},
    };
    return vastor::lineMap(stretches, sourceName, sourcePath);
}

}  // namespace vastor
