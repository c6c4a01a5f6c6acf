#include <gtest/gtest.h>

#include <type_traits>

#include "typecompiler/model/AbstractMethod.h"
#include "typecompiler/model/StaticMethod.h"

namespace vastor {
namespace {

// The parameter list shows in the written header, the type list in the key signature.
TEST(MethodTexts, DerivedTextsUseExactSeparators) {
    std::string header;
    const Method f("f", "void", {{"int", "a"}, {"String", "b"}}, "");
    f.writeHead(header, "");
    EXPECT_EQ(header, "\tvoid f (int a, String b) throws TypeException {\n");
    EXPECT_EQ(f.keySignature(), "f (int, String)");
    EXPECT_EQ(f.fullSignature(), "void f (int, String)");

    header.clear();
    const Method none("isReference", "boolean", {}, "");
    none.writeHead(header, "");
    EXPECT_EQ(header, "\tboolean isReference () throws TypeException {\n");
    EXPECT_EQ(none.keySignature(), "isReference ()");
    EXPECT_EQ(none.fullSignature(), "boolean isReference ()");

    // Parameter names and result types do not take part in the identity.
    EXPECT_EQ(Method("f", "R", {{"int", "x"}}, "").keySignature(), Method("f", "S", {{"int", "y"}}, "").keySignature());
}

TEST(MethodTexts, EachFormWritesItsOwnText) {
    struct Case {
        std::unique_ptr<Method> method;
        std::string expected;
    };
    Case cases[] = {
        {std::make_unique<Method>("isReference", "boolean", std::vector<Parameter>{},
                                  "\t\treturn type instanceof TypeReference;", "public"),
         "\tpublic boolean isReference () throws TypeException {\n\t\treturn type instanceof TypeReference;\n\t}\n\n"},
        {std::make_unique<Method>("reset", "void", std::vector<Parameter>{{"int", "a"}, {"String", "b"}},
                                  "\t\ta = 0;\n"),
         "\tvoid reset (int a, String b) throws TypeException {\n\t\ta = 0;\n\n\t}\n\n"},
        {std::make_unique<AbstractMethod>("getName", "String", std::vector<Parameter>{}),
         "\tabstract String getName ();\n\n"},
        {std::make_unique<AbstractMethod>("f", "void", std::vector<Parameter>{{"int", "i"}}, "public"),
         "\tabstract public void f (int i);\n\n"},
        {std::make_unique<StaticMethod>("builder", "BaseType", std::vector<Parameter>{{"TermList", "e"}}, "x",
                                        "public"),
         "\tstatic BaseType builder (TermList e) throws TypeException {\nx\n\t}\n\n"},
        {std::make_unique<StaticMethod>("g", "void", std::vector<Parameter>{}, ""),
         "\tstatic void g () throws TypeException {\n\n\t}\n\n"},
    };
    for (const Case& c : cases) {
        std::string out = "before|";
        c.method->write(out);
        EXPECT_EQ(out, "before|" + c.expected);
    }
}

// A form is never dropped by accident: only plain() copies it into a Method.
static_assert(!std::is_constructible_v<Method, const AbstractMethod&>);
static_assert(!std::is_constructible_v<Method, StaticMethod&&>);
static_assert(!std::is_assignable_v<Method&, const StaticMethod&>);
static_assert(std::is_copy_constructible_v<Method> && std::is_move_assignable_v<Method>);

TEST(MethodTexts, ACopyIsAlwaysAPlainMethod) {
    const AbstractMethod abstractMethod("getName", "String", {});
    const Method copy = abstractMethod.plain();
    std::string out;
    copy.write(out);
    EXPECT_EQ(out, "\tString getName () throws TypeException {\n \t//* AbstractMethod\n\t}\n\n");
}

}  // namespace
}  // namespace vastor
