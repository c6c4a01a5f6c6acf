#include "lsp/GrammarOutline.h"

#include <gtest/gtest.h>

#include <string>

namespace lsp {
namespace {

std::string piece(std::string_view text, Span span) {
    return std::string(text.substr(span.begin, span.end - span.begin));
}

// The outline in one line per part, each part given by the text it covers.
std::string render(std::string_view text) {
    const GrammarOutline outline = outlineGrammar(text);
    std::string out;
    if (outline.preamble) out += "preamble [" + piece(text, *outline.preamble) + "]\n";
    if (outline.rulesSection) out += "rules from " + std::to_string(outline.rulesSection->begin) + "\n";
    for (const GrammarRule& rule : outline.rules) {
        out += "rule [" + piece(text, rule.span) + "]";
        for (const Span& action : rule.actions) out += " action [" + piece(text, action) + "]";
        for (const TypecheckingBlock& block : rule.blocks) out += " block [" + piece(text, block.content) + "]";
        out += "\n";
    }
    for (const NamedSpan& symbol : outline.symbols) out += "uses " + symbol.name + "\n";
    if (outline.trailer) out += "trailer [" + piece(text, *outline.trailer) + "]\n";
    return out;
}

struct Case {
    const char* name;
    std::string text;
    std::string outline;
};

const Case cases[] = {
    {"sections, rules, actions and declarations that name nonterminals",
     "%{ int x; %}\n%token <v> NUM\n%type <v> e\n%%\ne : e '+' NUM { $$ = 1; }\n  | NUM\n  ;\n%%\ncode }\n",
     "preamble [%{ int x; %}]\nrules from 40\nrule [e : e '+' NUM { $$ = 1; }\n  | NUM\n  ;] action [{ $$ = 1; }]\n"
     "uses e\nuses e\nuses NUM\nuses NUM\ntrailer [\ncode }\n]\n"},
    {"braces in literals and comments open nothing; %{ in the rules opens no action",
     "%%\na : '{' \"}\" /* { */ %{ b ;\nb : ;\n%%\n",
     "rules from 0\nrule [a : '{' \"}\" /* { */ %{ b ;]\nrule [b : ;]\nuses b\ntrailer [\n]\n"},
    {"typechecking blocks end at >*/ outside literals",
     "%%\na : { /*< f(\">*/\"); >*/ /* plain */ /*<>> */ x; >*/ }\n%%\n",
     "rules from 0\nrule [a : { /*< f(\">*/\"); >*/ /* plain */ /*<>> */ x; >*/ }] action [{ /*< f(\">*/\"); >*/ "
     "/* plain */ /*<>> */ x; >*/ }] block [ f(\">*/\"); ] block [>> */ x; ]\ntrailer [\n]\n"},
    {"an apostrophe before the rules swallows up to the next one, as in Perlan", "it's %% here's\n%%\na : b ;\n%%\n",
     "rules from 15\nrule [a : b ;]\nuses b\ntrailer [\n]\n"},
    {"rules without semicolons end at the next rule; an action left open runs to the end", "%%\na : b\nb : c { {\n",
     "rules from 0\nrule [a : b]\nrule [b : c { {\n] action [{ {\n]\nuses b\nuses c\n"},
};

TEST(GrammarOutline, PartsAreWherePerlanReadsThem) {
    for (const Case& c : cases) EXPECT_EQ(render(c.text), c.outline) << c.name;
}

}  // namespace
}  // namespace lsp
