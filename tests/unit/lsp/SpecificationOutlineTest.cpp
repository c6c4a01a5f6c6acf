#include "lsp/SpecificationOutline.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace lsp {
namespace {

// "line:column" of an offset, both from 1.
std::string at(std::string_view text, std::size_t offset) {
    const std::size_t lineStart = text.rfind('\n', offset == 0 ? 0 : offset - 1);
    const std::size_t column = lineStart == std::string_view::npos || offset == 0 ? offset : offset - lineStart - 1;
    return std::to_string(toolLineOf(text, offset)) + ":" + std::to_string(column + 1);
}

std::string span(std::string_view text, Span s) { return at(text, s.begin) + "-" + at(text, s.end); }

// The outline in one line per part: where each name and each part is.
std::string render(std::string_view text) {
    const SpecificationOutline outline = outlineSpecification(text);
    std::ostringstream out;
    if (outline.preamble) out << "preamble " << span(text, *outline.preamble) << "\n";
    for (const auto& chain : outline.chains) {
        out << "chain";
        for (const NamedSpan& type : chain) out << " " << type.name << "@" << at(text, type.span.begin);
        out << "\n";
    }
    for (const ClassOutline& definition : outline.classes) {
        out << "class " << definition.name.name << "@" << at(text, definition.name.span.begin) << " "
            << span(text, definition.span);
        for (const ClassArgument& argument : definition.arguments) out << " " << argument.kind;
        for (const Span& block : definition.codeBlocks) out << " code " << span(text, block);
        for (const MethodOutline& method : definition.methods)
            out << " " << method.keySignature() << "@" << at(text, method.name.span.begin) << " "
                << span(text, method.span);
        out << "\n";
    }
    for (const NamedSpan& quoted : outline.quotedNames)
        out << "quoted " << quoted.name << "@" << at(text, quoted.span.begin) << "\n";
    return out.str();
}

struct Case {
    const char* name;
    std::string text;
    std::string outline;
};

const Case cases[] = {
    {"every part, with comments between the tokens",
     "%{ import x; %}\n/* class c */ Types // class d\n = { a < b\n c }\nclass a (Type +, String) {\n  %{ int n; %}\n"
     "  int f (int x) { return 0; }\n}\n",
     "preamble 1:1-1:16\nchain a@3:6 b@3:10\nchain c@4:2\n"
     "class a@5:7 5:1-8:2 Type+ String code 6:3-6:15 f (int)@7:7 7:3-7:30\n"},
    {"CR LF line ends move nothing", "Types = { a }\r\nclass a {\r\n  void f () {\r\n  }\r\n}\r\n",
     "chain a@1:11\nclass a@2:7 2:1-5:2 f ()@3:8 3:3-4:4\n"},
    {"a lone slash drops the character after it", "Types = { a /x b }\n", "chain a@1:11\nchain b@1:16\n"},
    {"braces and %} inside strings, characters and comments",
     "Types = { a }\nclass a {\n  %{ String s = \"%}\"; %}\n  char f () { /* } */ if (x) { return '}'; } return \"}\"; "
     "}\n}\n",
     "chain a@1:11\nclass a@2:7 2:1-5:2 code 3:3-3:25 f ()@4:8 4:3-4:59\n"},
    {"the class after an error is read again",
     "Types = { a b }\nclass a {\n  int f () { return _; }\n  _\n}\nclass b { }\n",
     "chain a@1:11\nchain b@1:13\nclass a@2:7 2:1-3:25 f ()@3:7 3:3-3:25\nclass b@6:7 6:1-6:12\n"},
    {"a body left open ends the outline where it starts", "Types = { a }\nclass a {\n  int f () { return 0;\n",
     "chain a@1:11\nclass a@2:7 2:1-3:13\n"},
    {"quoted names in Java code, not in its comments",
     "%{ String s = \"a\"; %}\nTypes = { a }\nclass a {\n  Type f () { /* \"b\" */ return get(\"a\", \"a b\", 'a'); "
     "}\n}\n",
     "preamble 1:1-1:22\nchain a@2:11\nclass a@3:7 3:1-5:2 f ()@4:8 4:3-4:55\nquoted a@1:16\nquoted a@4:37\n"},
};

TEST(SpecificationOutline, PartsAreWhereVastorReadsThem) {
    for (const Case& c : cases) EXPECT_EQ(render(c.text), c.outline) << c.name;
}

}  // namespace
}  // namespace lsp
