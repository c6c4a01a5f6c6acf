#include "typecompiler/parser/SpecificationParser.h"

#include <optional>

#include "common/Exception.h"
#include "common/IoError.h"
#include "common/Messages.h"
#include "typecompiler/VastorMessages.h"
#include "typecompiler/generator/TypeExceptionWriter.h"
#include "typecompiler/model/Method.h"
#include "typecompiler/options/SwitchKeys.h"
#include "typecompiler/scanner/TokenKinds.h"

namespace vastor {

namespace {

// The driver always stores the TEParser entry; a table built elsewhere may lack it.
std::string teParserClassOf(const SwitchTable& configuration) {
    const Switch* entry = configuration.find(switchKey::teParser);
    return entry ? entry->value() : teParserClass;
}

}  // namespace

SpecificationParser::SpecificationParser(std::istream& input, const SwitchTable& configuration, OutputSink& output,
                                         std::size_t inputBufferBytes)
    : output_(output),
      typeJava_(output.createTypeJava()),
      configuration_(configuration),
      scanner_(input, inputBufferBytes),
      classBodyState_(scanner_),
      methodBodyState_(scanner_),
      topLevelState_(scanner_),
      embeddedCodeState_(scanner_),
      method_({}, {}, {}, {}),
      classTable_(scanner_.line(), teParserClassOf(configuration), output.notices()) {
    writeTypeExceptionFile();
    scanner_.setState(topLevelState_);
}

void SpecificationParser::writeTypeExceptionFile() {
    const Switch* api = configuration_.find(switchKey::api);
    if (!api) return;
    std::optional<std::string> baseError;
    if (const Switch* base = configuration_.find(switchKey::baseError)) baseError = base->value();
    output_.writeTypeException(typeExceptionPath(api->value()), typeExceptionText(baseError));
}

void SpecificationParser::parse() {
    advance();
    parsePreamble();
    parseTypesDirective();
    while (scanner_.token() == CLASS) parseClassDefinition();
    check(END_OF_INPUT, messages::endOfFileExpected);

    classTable_.generate(typeJava_);
    output_.closeTypeJava();
    if (!typeJava_) throw common::OutputWriteError(std::string(common::messages::cannotWriteOutputFile) + typeJavaFile);
}

void SpecificationParser::parsePreamble() {
    if (scanner_.token() != '%') {
        classTable_.setPreamble(std::string());
        return;
    }
    nextCheck('{', messages::braceAfterPercentExpected);
    const int firstLine = scanner_.line();
    scanner_.setState(embeddedCodeState_);
    nextCheck(EMBEDDED_CODE, messages::endOfEmbeddedCodeExpected);
    classTable_.setPreamble(scanner_.text(), firstLine);
    scanner_.setState(topLevelState_);
    advance();
}

void SpecificationParser::parseTypesDirective() {
    check(TYPES, messages::typesDirectiveExpected);
    nextCheck('=', messages::equalsSignExpected);
    nextCheck('{', messages::openingBraceExpected);
    advance();
    if (scanner_.token() != IDENTIFIER) fail(messages::promotionExpected);
    parsePromotionChain();
    while (scanner_.token() == IDENTIFIER) parsePromotionChain();
    check('}', messages::closingBraceExpected);
    classTable_.endPromotions();
    advance();
}

// Chains follow each other with no separator: a chain ends at the first
// token after a name that is not '<', and that token stays current.
void SpecificationParser::parsePromotionChain() {
    classTable_.beginPromotion(scanner_.text());
    while (advance() == '<') {
        nextCheck(IDENTIFIER, messages::promotedTypeExpected);
        classTable_.addPromotionType(scanner_.text());
    }
}

void SpecificationParser::parseClassDefinition() {
    nextCheck(IDENTIFIER, messages::classNameExpected);
    // The name is checked before its argument list is read.
    classTable_.beginClass(scanner_.text());
    if (advance() == '(') {
        do {
            advance();
            parseClassArgument();
        } while (scanner_.token() == ',');
        if (scanner_.token() != ')') fail(messages::argumentsNotClosed);
        advance();
    }
    check('{', messages::openingBraceExpected);
    scanner_.setState(classBodyState_);
    advance();
    while (parseMember()) {}
    check('}', messages::closingBraceExpected);
    classTable_.endClass();
    advance();
}

void SpecificationParser::parseClassArgument() {
    check(IDENTIFIER, messages::argumentKindExpected);
    std::string kind = scanner_.text();
    if (kind != "Type" && kind != "String") fail(messages::invalidArgumentKind(kind));
    if (advance() == '+') {
        kind += '+';
        advance();
    }
    classTable_.addClassArgument(kind);
}

// Reads one member of a class body; false at the brace that closes the body,
// which stays current, with the top-level state selected again.
bool SpecificationParser::parseMember() {
    switch (scanner_.token()) {
    case '}': scanner_.setState(topLevelState_); return false;
    case CODE_START: {
        const int firstLine = scanner_.line();
        scanner_.setState(embeddedCodeState_);
        nextCheck(EMBEDDED_CODE, messages::endOfEmbeddedCodeExpected);
        classTable_.addClassCode(scanner_.text(), firstLine);
        scanner_.setState(classBodyState_);
        advance();
        return true;
    }
    case METHOD_START:
        // The class-body state gave the method's first letter back, so the
        // top-level state now reads the whole result type.
        scanner_.setState(topLevelState_);
        advance();
        parseMethodDefinition();
        return true;
    default: fail(messages::unexpectedInClassBody);
    }
}

void SpecificationParser::parseMethodDefinition() {
    check(IDENTIFIER, messages::resultTypeExpected);
    const int headerLine = scanner_.line();
    methodResultType_ = scanner_.text();
    nextCheck(IDENTIFIER, messages::methodNameExpected);
    methodName_ = scanner_.text();
    nextCheck('(', messages::parametersOpeningExpected);
    advance();
    parameterCount_ = 0;
    if (parseParameter()) {
        while (scanner_.token() == ',') {
            advance();
            if (!parseParameter()) fail(messages::parameterExpected);
        }
    }
    check(')', messages::parametersClosingExpected);
    nextCheck('{', messages::bodyOpeningExpected);
    const int bodyLine = scanner_.line();
    scanner_.setState(methodBodyState_);
    nextCheck(METHOD_BODY, messages::methodBodyExpected);
    method_.assign(methodName_, methodResultType_, std::span(methodParameters_.data(), parameterCount_),
                   scanner_.text());
    method_.setLines(headerLine, bodyLine);
    classTable_.addMethod(method_);
    scanner_.setState(classBodyState_);
    advance();
}

bool SpecificationParser::parseParameter() {
    if (scanner_.token() != IDENTIFIER) return false;
    if (parameterCount_ == methodParameters_.size()) methodParameters_.emplace_back();
    Parameter& parameter = methodParameters_[parameterCount_];
    parameter.type = scanner_.text();
    nextCheck(IDENTIFIER, messages::parameterNameExpected);
    parameter.name = scanner_.text();
    ++parameterCount_;
    advance();
    return true;
}

void SpecificationParser::check(int kind, std::string_view message) const {
    if (scanner_.token() != kind) fail(message);
}

void SpecificationParser::nextCheck(int kind, std::string_view message) {
    advance();
    check(kind, message);
}

void SpecificationParser::fail(std::string_view message) const { throw common::SyntaxError(scanner_.line(), message); }

}  // namespace vastor
