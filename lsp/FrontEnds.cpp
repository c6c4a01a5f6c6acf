// The one place that knows how Vastor and Perlan are built: everything else
// in the server sees their front ends only through the functions of
// FrontEnds.h.
#include "lsp/FrontEnds.h"

#include <exception>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <streambuf>

#include "common/CompilerError.h"
#include "lsp/ViewBuffer.h"
#include "preprocessor/PreprocessorParser.h"
#include "typecompiler/generator/TypeExceptionWriter.h"
#include "typecompiler/model/Method.h"
#include "typecompiler/options/SwitchTable.h"
#include "typecompiler/parser/MemoryOutputSink.h"
#include "typecompiler/parser/SpecificationParser.h"

namespace lsp {

namespace {

// An output stream that takes every byte and keeps none.
class NullBuffer : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

}  // namespace

VastorRun runVastor(std::string_view specification, std::string_view lineMapSource) {
    ViewBuffer buffer(specification);
    std::istream input(&buffer);
    // Type.java and the notes go to memory; with no "API" entry there is no TypeException.java.
    vastor::MemoryOutputSink output;
    vastor::SwitchTable configuration(output.notices());
    VastorRun run;
    try {
        vastor::SpecificationParser parser(input, configuration, output);
        parser.expectInputSize(specification.size());
        if (!lineMapSource.empty()) parser.enableLineMap();
        parser.parse();
        if (!lineMapSource.empty()) run.lineMap = parser.lineMap(lineMapSource, lineMapSource);
        run.typeJava = output.typeJava();
    } catch (const std::exception& error) {
        run.error = common::errorText(error);
    }
    run.notices = output.noticeText();
    return run;
}

PerlanRun runPerlan(std::string_view grammar, bool keepOutput) {
    ViewBuffer buffer(grammar);
    std::istream input(&buffer);
    NullBuffer discard;
    std::ostream nowhere(&discard);
    std::ostringstream kept;
    std::ostream& output = keepOutput ? static_cast<std::ostream&>(kept) : nowhere;
    PerlanRun run;
    try {
        perlan::PreprocessorParser parser(input, output);
        parser.parse();
        if (keepOutput) run.output = kept.str();
    } catch (const std::exception& error) {
        run.error = common::errorText(error);
    }
    return run;
}

std::string perlanRewrite(std::string_view block) {
    // The block as the whole of an action in a grammar of one rule.
    constexpr std::string_view before = "%%\n_ : {";
    constexpr std::string_view after = "}\n%%\n";
    const PerlanRun run = runPerlan(std::string(before) + std::string(block) + std::string(after), true);
    const std::string_view output = run.output;
    if (!run.error.empty() || output.size() < before.size() + after.size() ||
        output.substr(0, before.size()) != before || output.substr(output.size() - after.size()) != after)
        return std::string(block);
    return std::string(output.substr(before.size(), output.size() - before.size() - after.size()));
}

std::string typeJavaSignature(const std::string& resultType, const std::string& name,
                              const std::vector<std::pair<std::string, std::string>>& parameters) {
    std::vector<vastor::Parameter> records;
    for (const auto& [type, parameterName] : parameters) records.push_back({type, parameterName});
    const vastor::Method method(name, resultType, std::move(records), {}, "public");
    std::string head;
    method.writeHead(head, "public");
    // "\tpublic R name (T a) throws TypeException {\n" without the tab and the brace.
    const std::string_view text = head;
    const std::size_t first = text.find_first_not_of('\t');
    const std::size_t brace = text.rfind(" {");
    return std::string(text.substr(first, brace - first));
}

std::string typeExceptionSource() { return vastor::typeExceptionText(std::nullopt); }

}  // namespace lsp
