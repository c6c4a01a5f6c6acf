#include "lsp/Findings.h"

#include <algorithm>

#include "lsp/FrontEnds.h"
#include "lsp/SpecificationOutline.h"
#include "lsp/ToolText.h"

namespace lsp {

Span toolLineSpan(std::string_view text, long line) {
    std::size_t begin = toolLineStart(text, std::max(line, 1L));
    std::size_t end = text.find('\n', begin);
    if (end == std::string_view::npos) end = text.size();
    if (end > begin && text[end - 1] == '\r') --end;
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
    return {begin, end};
}

Finding placeOnLine(std::string_view text, const LineMessage& message) {
    return {toolLineSpan(text, message.line), message.severity, message.source, message.message};
}

namespace {

Finding toolError(std::string_view text, const std::string& error, const char* tool) {
    return placeOnLine(text, {errorLineOf(error), Severity::error, tool, toolTextToUtf8(error)});
}

// The methods that make Vastor write a "Definition of" note, in text order.
std::vector<std::pair<const ClassOutline*, const MethodOutline*>> notedMethods(const SpecificationOutline& outline) {
    std::vector<std::pair<const ClassOutline*, const MethodOutline*>> methods;
    for (const ClassOutline& definition : outline.classes)
        for (const MethodOutline& method : definition.methods) {
            const std::string key = method.keySignature();
            if (key == "implicitCast (Type)" || key == "equalsTo (Type)") methods.emplace_back(&definition, &method);
        }
    return methods;
}

}  // namespace

std::vector<Finding> checkSpecification(std::string_view text) {
    const VastorRun run = runVastor(text);
    std::vector<Finding> findings;
    if (!run.notices.empty()) {
        // The notes name no line: the k-th note is about the k-th method
        // that makes one, which its text confirms.
        const SpecificationOutline outline = outlineSpecification(text);
        const auto methods = notedMethods(outline);
        std::size_t next = 0;
        std::string_view notices = run.notices;
        while (!notices.empty()) {
            const std::size_t feed = notices.find('\n');
            const std::string_view note = notices.substr(0, feed);
            notices.remove_prefix(feed == std::string_view::npos ? notices.size() : feed + 1);
            if (note.empty()) continue;
            Finding finding{toolLineSpan(text, 1), Severity::information, "Vastor", toolTextToUtf8(note)};
            for (std::size_t k = next; k < methods.size(); ++k) {
                const auto& [definition, method] = methods[k];
                if (note == "Definition of " + definition->name.name + '.' + method->resultType + ' ' +
                                method->keySignature()) {
                    finding.span = method->name.span;
                    next = k + 1;
                    break;
                }
            }
            findings.push_back(std::move(finding));
        }
    }
    if (!run.error.empty()) findings.push_back(toolError(text, run.error, "Vastor"));
    return findings;
}

std::vector<Finding> checkGrammar(std::string_view text) {
    const PerlanRun run = runPerlan(text, false);
    if (run.error.empty()) return {};
    return {toolError(text, run.error, "Perlan")};
}

}  // namespace lsp
