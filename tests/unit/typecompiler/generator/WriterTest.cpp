#include <gtest/gtest.h>

#include <sstream>
#include <string_view>

#include "TestData.h"
#include "typecompiler/generator/BaseTypeWriter.h"
#include "typecompiler/generator/NamedTypeWriter.h"
#include "typecompiler/generator/TypeReferenceWriter.h"
#include "typecompiler/generator/TypeWriter.h"

namespace vastor {
namespace {

/// What a writer appended since the mark.
struct Appended {
    const JavaWriter& writer;
    std::size_t mark = writer.text().size();
    std::string text() const { return writer.text().substr(mark); }
};

struct TypeWriterTest : ::testing::Test {
    int line = 1;
    std::string currentClass = "Foo";
    std::ostringstream notices;
    TypeWriter writer{line, currentClass, "MyParser", notices};
};

TEST_F(TypeWriterTest, PreambleIsWrittenAsReadAndTheParserClassIsNamed) {
    writer.writeHeader("int x;");
    EXPECT_EQ(writer.text().rfind("// * Preamble\nint x;// * End of Preamble\n//////", 0), 0u);
    EXPECT_NE(writer.text().find("\t\t\treturn new MyParser(input, t);\n"), std::string::npos);
}

TEST_F(TypeWriterTest, DelegatesEachKeySignatureOnceFromItsFirstDefinition) {
    writer.writeHeader("");
    Appended appended{writer};
    writer.addMethod(parsed("void", "f", {{"int", "a"}, {"String", "b"}}));
    writer.addMethod(parsed("int", "f", {{"int", "x"}, {"String", "y"}}));
    writer.addMethod(parsed("Void", "g", {}));
    EXPECT_EQ(appended.text(),
              "\tpublic void f (int a, String b) throws TypeException {\n\t\ttype.f(a, b);\n\n\t}\n\n"
              "\tpublic Void g () throws TypeException {\n\t\treturn type.g();\n\n\t}\n\n");
    EXPECT_EQ(notices.str(), "");
}

TEST_F(TypeWriterTest, EveryDefinitionOfTheMethodsTypeDelegatesItselfIsNoted) {
    writer.writeHeader("");
    Appended appended{writer};
    writer.addMethod(parsed("boolean", "equalsTo", {{"Type", "t"}}));
    currentClass.assign(std::string_view{"Bar"});  // not operator=(const char*): GCC 12 warns falsely (-Wrestrict)
    writer.addMethod(parsed("boolean", "equalsTo", {{"Type", "u"}}));
    writer.addMethod(parsed("Type", "implicitCast", {{"Type", "t"}}));
    EXPECT_EQ(appended.text(), "");
    EXPECT_EQ(notices.str(),
              "Definition of Foo.boolean equalsTo (Type)\n"
              "Definition of Bar.boolean equalsTo (Type)\n"
              "Definition of Bar.Type implicitCast (Type)\n");
}

// The class table sorts the names (ClassTableOutput.TypeStringsAreSortedByUnsignedBytes).
TEST_F(TypeWriterTest, TypeStringsAreWrittenInTheirOrderWithoutBaseType) {
    writer.writeHeader("");
    Appended appended{writer};
    writer.writeTypeStrings(std::vector<std::string>{"BaseType"});
    EXPECT_EQ(appended.text(), "\tprivate static String[] typeStrings = {  };\n}\n\n");

    TypeWriter other{line, currentClass, "P", notices};
    Appended appendedOther{other};
    other.writeTypeStrings(std::vector<std::string>{"BaseType", "Int", "int", "z", "\xE9"});
    EXPECT_EQ(appendedOther.text(),
              "\tprivate static String[] typeStrings = { \"Int\", \"int\", \"z\", \"\xE9\" };\n}\n\n");
}

TEST(StubAndAliasWriters, OneMemberPerKeySignatureThenTheClosingBrace) {
    const int line = 1;
    TypeReferenceWriter reference{line};
    NamedTypeWriter named{line};
    Appended referenceText{reference};
    Appended namedText{named};
    for (JavaWriter* writer : {static_cast<JavaWriter*>(&reference), static_cast<JavaWriter*>(&named)}) {
        writer->addMethod(parsed("void", "f", {{"int", "a"}, {"String", "b"}}));
        writer->addMethod(parsed("int", "f", {{"int", "x"}, {"String", "y"}}));
        writer->addMethod(parsed("Type", "g", {}));
    }
    reference.close();
    named.close();
    EXPECT_EQ(referenceText.text(),
              "\tvoid f (int a, String b) throws TypeException {\n"
              "\t\t throw new TypeException(\"Trying to call method void f (int, String) in a non defined type\");\n"
              "\n\t}\n\n"
              "\tType g () throws TypeException {\n"
              "\t\t throw new TypeException(\"Trying to call method Type g () in a non defined type\");\n"
              "\n\t}\n\n"
              "\n}\n");
    EXPECT_EQ(namedText.text(),
              "\tpublic void f (int a, String b) throws TypeException {\n\t\tgetTypeField(0).f(a, b);\n\n\t}\n\n"
              "\tpublic Type g () throws TypeException {\n\t\treturn getTypeField(0).g();\n\n\t}\n\n"
              "\n}\n");
}

TEST(BaseTypeWriterTexts, DefinitionsInBaseTypeReplaceTheDefaultsAndCodeComesFirst) {
    const int line = 1;
    std::string currentClass;
    BaseTypeWriter writer{line, currentClass};
    writer.addChain();
    writer.addChainType("A");
    writer.writePromotions();
    currentClass.assign(std::string_view{"A"});  // not operator=(const char*): GCC 12 warns falsely (-Wrestrict)
    writer.addMethod(parsed("int", "size", {}, "\t\treturn 1;"));
    currentClass.assign(std::string_view{"BaseType"});  // not operator=(const char*): GCC 12 warns falsely (-Wrestrict)
    writer.addMethod(parsed("Type", "implicitCast", {{"Type", "x"}}, "\t\treturn x;"));
    writer.addMethod(parsed("boolean", "equalsTo", {{"Type", "y"}}, "\t\treturn false;"));
    writer.addMethod(parsed("int", "size", {}, "\t\treturn 0;"));
    writer.addClassCode("\t// code\n");
    writer.close();
    EXPECT_EQ(writer.text(), readDataFile("BaseType_overrides.java"));
}

TEST(BaseTypeWriterTexts, AChainWithOneNameGivesARowWithoutComma) {
    const int line = 1;
    const std::string currentClass;
    BaseTypeWriter writer{line, currentClass};
    writer.addChain();
    writer.addChainType("solo");
    writer.writePromotions();
    writer.close();
    EXPECT_NE(writer.text().find("\tType implicitCast (Type t) throws TypeException {\n"
                                 "\n\t\tString [][] promotions = {\n\t\t\t{ \"solo\" }\n\t\t};\n\n"),
              std::string::npos);
}

}  // namespace
}  // namespace vastor
