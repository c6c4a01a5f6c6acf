#include "lsp/Folding.h"

#include <vector>

namespace lsp {

namespace {

// Folds keep the line of the closing delimiter in sight when it starts that
// line, as in
//     class int {
//         ...
//     }
class Folds {
public:
    explicit Folds(const Document& document) : document_(document) {}

    void add(Span span) {
        if (span.end <= span.begin) return;
        const LineIndex& lines = document_.lines();
        const long first = lines.position(span.begin).line;
        long last = lines.position(span.end).line;
        const std::size_t lastLineStart = lines.lineStart(last);
        const std::string_view text = document_.text();
        std::size_t firstText = lastLineStart;
        while (firstText < span.end && (text[firstText] == ' ' || text[firstText] == '\t')) ++firstText;
        if (span.end - firstText <= 3) --last;  // "}", "%}", ">*/", ";"
        if (last <= first) return;
        json_.push_back({{"startLine", first}, {"endLine", last}});
    }

    Json take() { return std::move(json_); }

private:
    const Document& document_;
    Json json_ = Json::array();
};

}  // namespace

Json specificationFolds(const Document& document, const SpecificationOutline& outline) {
    Folds folds(document);
    if (outline.preamble) folds.add(*outline.preamble);
    for (const ClassOutline& definition : outline.classes) {
        folds.add(definition.span);
        for (const Span& block : definition.codeBlocks) folds.add(block);
        for (const MethodOutline& method : definition.methods) folds.add(method.span);
    }
    return folds.take();
}

Json grammarFolds(const Document& document, const GrammarOutline& outline) {
    Folds folds(document);
    if (outline.preamble) folds.add(*outline.preamble);
    for (const GrammarRule& rule : outline.rules) {
        folds.add(rule.span);
        for (const Span& action : rule.actions) folds.add(action);
        for (const TypecheckingBlock& block : rule.blocks) folds.add(block.span);
    }
    return folds.take();
}

}  // namespace lsp
