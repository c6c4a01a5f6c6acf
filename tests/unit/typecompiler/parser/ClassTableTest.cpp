#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "TestData.h"
#include "common/Exception.h"
#include "typecompiler/parser/ClassTable.h"

namespace vastor {
namespace {

/// A class table driven as the parser drives it, with its own line counter.
struct Specification {
    int line = 1;
    std::ostringstream notices;
    ClassTable table{line, "TEParser", notices};

    /// Preamble, then one chain per entry.
    void promote(std::initializer_list<std::initializer_list<std::string>> chains, const std::string& preamble = "") {
        table.setPreamble(preamble);
        for (const auto& chain : chains) {
            auto name = chain.begin();
            table.beginPromotion(*name);
            for (++name; name != chain.end(); ++name) table.addPromotionType(*name);
        }
        table.endPromotions();
    }

    std::string generate() {
        std::ostringstream out;
        table.generate(out);
        return out.str();
    }
};

// The class table's part of the golden case: the same specification, event by event.
TEST(ClassTableOutput, OneChainAndAClassWithoutMembers) {
    Specification spec;
    spec.promote({{"int", "float"}});
    spec.table.beginClass("int");
    spec.table.endClass();
    EXPECT_EQ(spec.generate(), readGoldenFile("vastor/accept-empty-class-and-default-class/expected/Type.java"));
    EXPECT_EQ(spec.notices.str(), "");
}

TEST(ClassTableOutput, SeveralChainsSharedSignaturesOverridesAndDefaultClasses) {
    Specification spec;
    spec.promote({{"int", "float", "double"}, {"Int"}, {"float", "int"}}, "import java.util.*;\n");

    spec.table.beginClass("BaseType");
    spec.table.addMethod(parsed("boolean", "equalsTo", {{"Type", "other"}}, "\t\treturn true;"));
    spec.table.addClassCode("\tint counter;\n");
    spec.table.addMethod(parsed("String", "describe", {}, "\t\treturn name;"));
    spec.table.endClass();

    spec.table.beginClass("int");
    spec.table.addClassArgument("Type");
    spec.table.addClassArgument("String+");
    spec.table.addClassCode("\t// int code\n");
    spec.table.addMethod(parsed("void", "reset", {{"int", "a"}, {"String", "b"}}, "\t\ta = 0;\n"));
    spec.table.addMethod(parsed("Type", "plus", {{"Type", "t"}}, "\t\treturn t;"));
    spec.table.addMethod(parsed("String", "describe", {}, "\t\treturn \"int\";"));
    spec.table.addMethod(parsed("Type", "implicitCast", {{"Type", "t"}}, "\t\treturn t;"));
    spec.table.endClass();

    spec.table.beginClass("double");
    spec.table.addMethod(parsed("Type", "plus", {{"Type", "other"}}, "\t\treturn other;"));
    spec.table.addMethod(parsed("int", "size", {}, "\t\treturn 8;"));
    spec.table.endClass();

    EXPECT_EQ(spec.generate(), readDataFile("rich.java"));
    EXPECT_EQ(spec.notices.str(),
              "Definition of BaseType.boolean equalsTo (Type)\n"
              "Definition of int.Type implicitCast (Type)\n");
}

TEST(ClassTableOutput, OnlyBaseTypeDefinedGivesEveryPromotedTypeADefaultClassInByteOrder) {
    Specification spec;
    spec.promote({{"b", "a"}, {"B", "\xE9", "a"}});
    spec.table.beginClass("BaseType");
    spec.table.endClass();
    const std::string text = spec.generate();
    std::size_t previous = 0;
    for (const char* name : {"B", "a", "b", "\xE9"}) {
        const std::size_t at = text.find(std::string("class ") + name + " extends BaseType {\n\n\tprivate ");
        ASSERT_NE(at, std::string::npos) << name;
        EXPECT_GT(at, previous) << name;
        previous = at;
    }
    EXPECT_EQ(text.find("class BaseType extends"), std::string::npos);
}

TEST(ClassTableOutput, TypeStringsAreSortedByUnsignedBytes) {
    Specification spec;
    spec.promote({{"z", "\xE9", "int"}, {"Int", "z"}});
    EXPECT_NE(
        spec.generate().find("\tprivate static String[] typeStrings = { \"Int\", \"int\", \"z\", \"\xE9\" };\n}\n\n"),
        std::string::npos);
}

struct RuleCase {
    const char* rule;
    std::function<void(Specification&)> before;  // events that pass
    std::function<void(Specification&)> offending;
    std::string message;
};

const Method method(const std::string& result, const std::string& name, std::vector<Parameter> parameters) {
    return parsed(result, name, std::move(parameters));
}

void inClass(Specification& spec, const std::string& name) {
    spec.promote({{"int", "float"}});
    spec.table.beginClass(name);
}

TEST(SemanticRules, EachViolationIsReportedWithItsMessageAndTheCurrentLine) {
    const RuleCase cases[] = {
        {"a generated class named in a chain",
         [](Specification& s) {
             s.table.setPreamble("");
             s.table.beginPromotion("int");
         },
         [](Specification& s) { s.table.addPromotionType("Type"); },
         "Type is a special class. Can not appear in the preamble"},
        {"BaseType first in a chain", [](Specification& s) { s.table.setPreamble(""); },
         [](Specification& s) { s.table.beginPromotion("BaseType"); },
         "BaseType is a special class. Can not appear in the preamble"},
        {"TypeReference first in a chain", [](Specification& s) { s.table.setPreamble(""); },
         [](Specification& s) { s.table.beginPromotion("TypeReference"); },
         "TypeReference is a special class. Can not appear in the preamble"},
        {"a class named after a generated class", [](Specification& s) { s.promote({{"int"}}); },
         [](Specification& s) { s.table.beginClass("NamedType"); },
         "Cannot define class NamedType it will be generated by Vastor"},
        {"BaseType defined twice",
         [](Specification& s) {
             inClass(s, "BaseType");
             s.table.endClass();
         },
         [](Specification& s) { s.table.beginClass("BaseType"); }, "BaseType class have already been defined"},
        {"a class that no chain names", [](Specification& s) { s.promote({{"int"}}); },
         [](Specification& s) { s.table.beginClass("Int"); },
         "la clase Int no ha sido indicada en la directiva de promociones"},
        {"a class defined twice",
         [](Specification& s) {
             inClass(s, "int");
             s.table.endClass();
         },
         [](Specification& s) { s.table.beginClass("int"); }, "la clase int ya ha sido definida"},
        {"BaseType with arguments", [](Specification& s) { inClass(s, "BaseType"); },
         [](Specification& s) { s.table.addClassArgument("Type+"); }, "BaseType can not have arguments"},
        {"builder defined in a user class", [](Specification& s) { inClass(s, "int"); },
         [](Specification& s) {
             s.table.addMethod(method("int", "builder", {{"TermList", "x"}}));
         },
         "method int builder (TermList) is reserved and cannot be overriden"},
        {"a key signature twice in a user class",
         [](Specification& s) {
             inClass(s, "int");
             s.table.addMethod(method("int", "f", {{"int", "a"}}));
         },
         [](Specification& s) {
             s.table.addMethod(method("String", "f", {{"int", "b"}}));
         },
         "method String f (int) have alreadey been overriden in class int"},
        {"reserved accessor getName in a user class", [](Specification& s) { inClass(s, "int"); },
         [](Specification& s) { s.table.addMethod(method("String", "getName", {})); },
         "Can not override method String getName ()"},
        {"reserved accessor getType in BaseType", [](Specification& s) { inClass(s, "BaseType"); },
         [](Specification& s) { s.table.addMethod(method("String", "getType", {})); },
         "Can not override method String getType ()"},
        {"reserved accessor getTypeField", [](Specification& s) { inClass(s, "int"); },
         [](Specification& s) {
             s.table.addMethod(method("Type", "getTypeField", {{"int", "n"}}));
         },
         "Can not override method Type getTypeField (int)"},
        {"reserved accessor getDataField", [](Specification& s) { inClass(s, "BaseType"); },
         [](Specification& s) {
             s.table.addMethod(method("void", "getDataField", {{"int", "n"}}));
         },
         "Can not override method void getDataField (int)"},
        {"a key signature twice in BaseType",
         [](Specification& s) {
             inClass(s, "BaseType");
             s.table.addMethod(method("int", "f", {{"int", "a"}}));
         },
         [](Specification& s) {
             s.table.addMethod(method("String", "f", {{"int", "b"}}));
         },
         "method String f (int) have alreadey been overriden in class Type"},
        {"isReference, which Type generates", [](Specification& s) { inClass(s, "int"); },
         [](Specification& s) { s.table.addMethod(method("void", "isReference", {})); },
         "Method void isReference () is reserved for class Type"},
        {"Type's builder defined in BaseType", [](Specification& s) { inClass(s, "BaseType"); },
         [](Specification& s) {
             s.table.addMethod(method("Type", "builder", {{"String", "s"}, {"TermList", "e"}}));
         },
         "Method Type builder (String, TermList) is reserved for class Type"},
        {"createAlias, which Type generates", [](Specification& s) { inClass(s, "int"); },
         [](Specification& s) {
             s.table.addMethod(method("TypeIF", "createAlias", {{"String", "n"}}));
         },
         "Method TypeIF createAlias (String) is reserved for class Type"},
        {"resolveReference, which Type generates", [](Specification& s) { inClass(s, "int"); },
         [](Specification& s) {
             s.table.addMethod(method("void", "resolveReference", {{"TypeIF", "t"}}));
         },
         "Method void resolveReference (TypeIF) is reserved for class Type"},
        {"isPredefinedType, which Type generates", [](Specification& s) { inClass(s, "int"); },
         [](Specification& s) {
             s.table.addMethod(method("boolean", "isPredefinedType", {{"String", "s"}}));
         },
         "Method boolean isPredefinedType (String) is reserved for class Type"},
        {"isNamedType, which Type generates", [](Specification& s) { inClass(s, "int"); },
         [](Specification& s) { s.table.addMethod(method("boolean", "isNamedType", {})); },
         "Method boolean isNamedType () is reserved for class Type"},
    };
    for (const RuleCase& c : cases) {
        Specification spec;
        c.before(spec);
        spec.line = 42;
        try {
            c.offending(spec);
            ADD_FAILURE() << c.rule << ": accepted";
        } catch (const common::SemanticError& error) {
            EXPECT_EQ(std::string(error.what()), "Semantic error( line 42 ):" + c.message) << c.rule;
        }
    }
}

TEST(SemanticRules, WhatTheRulesAllow) {
    Specification spec;
    spec.promote({{"int", "float", "int"}, {"float"}});  // names repeated in and across chains
    spec.table.beginClass("BaseType");
    spec.table.addMethod(method("BaseType", "builder", {{"TermList", "e"}}));  // reserved in user classes only
    spec.table.endClass();
    for (const char* name : {"int", "float"}) {  // the same signatures in two user classes
        spec.table.beginClass(name);
        spec.table.addClassArgument("String");
        spec.table.addMethod(method("int", "f", {{"int", "a"}}));
        spec.table.addMethod(method("boolean", "equalsTo", {{"Type", "t"}}));
        spec.table.endClass();
    }
    EXPECT_NO_THROW(spec.generate());
    EXPECT_EQ(spec.notices.str(),
              "Definition of int.boolean equalsTo (Type)\n"
              "Definition of float.boolean equalsTo (Type)\n");
}

}  // namespace
}  // namespace vastor
