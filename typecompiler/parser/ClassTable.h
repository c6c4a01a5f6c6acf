#pragma once

#include <cstddef>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "typecompiler/generator/BaseTypeWriter.h"
#include "typecompiler/generator/NamedTypeWriter.h"
#include "typecompiler/generator/TypeReferenceWriter.h"
#include "typecompiler/generator/TypeWriter.h"
#include "typecompiler/generator/UserClassWriter.h"
#include "typecompiler/model/Method.h"

namespace vastor {

/// The model of one type specification while it is read. Each event is
/// checked as it arrives (a violation throws a SemanticError at the current
/// line) and forwarded to the five writers of Type.java, whose texts
/// generate() writes out at the end.
///
/// Events come in this order: setPreamble once; per promotion chain
/// beginPromotion then addPromotionType per further name; endPromotions
/// once; per class beginClass, addClassArgument*, any mix of addClassCode
/// and addMethod, endClass; generate once.
///
/// The writers hold references to currentClass_ and to line, so a table is
/// neither copied nor moved.
class ClassTable {
public:
    /// line is the scanner's line counter, read whenever a check fails;
    /// teParserClass is the Java class the generated parser factory creates;
    /// notices receives the "Definition of" lines.
    ClassTable(const int& line, const std::string& teParserClass, std::ostream& notices);

    ClassTable(const ClassTable&) = delete;
    ClassTable& operator=(const ClassTable&) = delete;

    /// Keeps, from now on, where each line of Type.java comes from, for
    /// lineMap(). Called before any event.
    void enableLineMap();

    /// The Java text before class Type (empty when there is none), which
    /// starts on firstLine of the specification (0: unknown).
    void setPreamble(const std::string& text, int firstLine = 0);
    /// Opens a promotion chain with its first name.
    void beginPromotion(const std::string& typeName);
    /// Appends a name to the current promotion chain.
    void addPromotionType(const std::string& typeName);
    /// Closes the promotions directive.
    void endPromotions();
    /// Starts the definition of a class, before its arguments are read.
    void beginClass(const std::string& className);
    /// One constructor argument kind of the current class: "Type", "String",
    /// "Type+" or "String+".
    void addClassArgument(const std::string& kind);
    /// A block of Java code between the members of the current class,
    /// which starts on firstLine of the specification (0: unknown).
    void addClassCode(const std::string& text, int firstLine = 0);
    /// A method of the current class, body included.
    void addMethod(const Method& method);
    /// Ends the definition of the current class.
    void endClass();
    /// Sizes the writers' buffers for a specification of about this many
    /// bytes; a hint only, for large inputs.
    void reserveForInput(std::size_t specificationBytes);
    /// Finishes every class, adds default classes for promoted types nobody
    /// defined and writes Type.java's text to out in one go, then a line end,
    /// then flushes. The caller checks the state of out.
    void generate(std::ostream& out);
    /// After generate(), with enableLineMap() called first: the map from the
    /// lines of Type.java to the lines of the specification sourcePath.
    std::string lineMap(std::string_view sourceName, std::string_view sourcePath) const;

private:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    bool isSpecialName(const std::string& name) const { return specialNames_.contains(name); }
    /// Sorts promotedTypes_ and drops repeated names, once they are all in.
    void sortPromotedTypes();
    /// The place of name in the sorted promotedTypes_, or npos.
    std::size_t promotedIndex(const std::string& name);

    const int& line_;
    std::string currentClass_;
    bool baseTypeDefined_ = false;
    // The promoted types, in byte order once the promotions are closed, and
    // for each of them whether its class has been defined; with
    // baseTypeDefined_ these tell which classes exist. Only the argument
    // kinds of the current class are needed, by its end. A sorted vector and
    // flags, instead of an ordered set and map of names, take fewer pages
    // (benchmarks/RESULTS.md).
    std::vector<std::string> promotedTypes_;
    bool promotedTypesSorted_ = true;
    std::vector<bool> classDefined_;
    std::vector<std::string> currentArgumentKinds_;
    const std::set<std::string> specialNames_;
    // For the line map only: the line of the directive, and of the first
    // mention there of each promoted type.
    bool mapsLines_ = false;
    int directiveLine_ = 0;
    std::unordered_map<std::string, int> promotedTypeLines_;

    // Declared after currentClass_, which they refer to.
    TypeWriter typeWriter_;
    TypeReferenceWriter typeReferenceWriter_;
    BaseTypeWriter baseTypeWriter_;
    UserClassWriter userClassWriter_;
    NamedTypeWriter namedTypeWriter_;
};

}  // namespace vastor
