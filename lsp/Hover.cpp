#include "lsp/Hover.h"

#include <string>
#include <vector>

#include "lsp/FrontEnds.h"
#include "lsp/Navigation.h"
#include "lsp/Protocol.h"

namespace lsp {

namespace {

Json hoverJson(const Document& document, const std::string& markdown, Span span) {
    return {{"contents", {{"kind", "markdown"}, {"value", markdown}}}, {"range", rangeJson(document.lines(), span)}};
}

std::string code(const std::string& text) { return '`' + text + '`'; }

std::string listed(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
        text += code(names[i]);
    }
    return text;
}

std::string typeHover(const SpecificationOutline& outline, const std::string& name) {
    const ClassOutline* definition = outline.findClass(name);
    if (name == "BaseType")
        return "**class `BaseType`**\n\nThe class that every type class extends: a method defined here is every "
               "type's, unless its class defines its own.";
    std::string text = "**type " + code(name) + "**\n\n";
    bool promoted = false;
    for (const auto& chain : outline.chains) {
        bool inChain = false;
        std::string written;
        for (const NamedSpan& type : chain) {
            written += (written.empty() ? "" : " < ") + type.name;
            inChain = inChain || type.name == name;
        }
        if (!inChain) continue;
        text += (promoted ? "\n\n" : "Promotion: ") + code(written);
        promoted = true;
    }
    if (!promoted) text += "Not named in the `Types` directive.";
    text += "\n\n";
    if (!definition) return text + "No class definition: Vastor writes a default class, without constructor arguments.";
    if (definition->arguments.empty()) return text + "Constructor arguments: none.";
    std::string arguments;
    for (const ClassArgument& argument : definition->arguments) {
        if (!arguments.empty()) arguments += ", ";
        arguments +=
            argument.kind.back() == '+' ? argument.kind.substr(0, argument.kind.size() - 1) + " +" : argument.kind;
    }
    return text + "Constructor arguments: " + code("(" + arguments + ")");
}

std::string methodHover(const SpecificationOutline& outline, const MethodOutline& hovered) {
    const std::string key = hovered.keySignature();
    const MethodOutline* first = nullptr;
    std::vector<std::string> definers;
    bool inBaseType = false;
    for (const ClassOutline& definition : outline.classes)
        for (const MethodOutline& method : definition.methods) {
            if (method.keySignature() != key) continue;
            if (!first) first = &method;
            if (definition.name.name == "BaseType")
                inBaseType = true;
            else
                definers.push_back(definition.name.name);
        }
    std::vector<std::pair<std::string, std::string>> parameters;
    for (const MethodParameter& parameter : first->parameters) parameters.emplace_back(parameter.type, parameter.name);
    std::string text = "```java\n" + typeJavaSignature(first->resultType, first->name.name, parameters) + "\n```\n\n";
    const bool ownOfType = key == "implicitCast (Type)" || key == "equalsTo (Type)";
    text += ownOfType ? "Class `Type` of `Type.java` has this method itself and hands it to the type's class.\n\n"
                      : "Class `Type` of `Type.java` hands it to the type's class.\n\n";
    if (inBaseType) {
        text += "Defined in `BaseType`, so every type class has it";
        if (definers.empty()) return text + ".";
        return text + "; " + listed(definers) + (definers.size() == 1 ? " defines its own." : " define their own.");
    }
    text += "Defined in " + listed(definers) + ". ";
    if (key == "equalsTo (Type)") return text + "The other classes get `BaseType`'s default, which compares the types.";
    if (key == "implicitCast (Type)")
        return text + "The other classes get `BaseType`'s default, which searches the promotion chains.";
    return text + "The other classes get `BaseType`'s default, which throws `TypeException`.";
}

}  // namespace

Json specificationHover(const Document& document, const SpecificationOutline& outline, std::size_t offset) {
    const std::vector<Occurrence> occurrences = specificationOccurrences(outline);
    if (const Occurrence* type = occurrenceAt(occurrences, offset))
        return hoverJson(document, typeHover(outline, type->name), type->span);
    for (const ClassOutline& definition : outline.classes)
        for (const MethodOutline& method : definition.methods)
            if (method.name.span.touches(offset))
                return hoverJson(document, methodHover(outline, method), method.name.span);
    return nullptr;
}

Json grammarHover(const Document& document, const GrammarOutline& outline, std::size_t offset) {
    const std::string_view text = document.text();
    for (const GrammarRule& rule : outline.rules)
        for (const TypecheckingBlock& block : rule.blocks) {
            if (offset < block.span.begin || offset >= block.span.end) continue;
            const std::string rewritten =
                perlanRewrite(text.substr(block.span.begin, block.span.end - block.span.begin));
            return hoverJson(document,
                             "Perlan writes this typechecking block as\n\n```java\n" + rewritten +
                                 "\n```\n\nso that a type error is recorded and parsing goes on.",
                             block.span);
        }
    return nullptr;
}

}  // namespace lsp
