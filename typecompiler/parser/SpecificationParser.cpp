#include "typecompiler/parser/SpecificationParser.h"

#include <optional>
#include <stdexcept>
#include <utility>

#include "common/Exception.h"
#include "typecompiler/generator/TypeExceptionWriter.h"
#include "typecompiler/parser/Method.h"
#include "typecompiler/scanner/TokenKinds.h"

namespace vastor {

namespace {

// The driver always stores "TEParser"; a table built elsewhere may lack it.
std::string teParserClass(const SwitchTable& configuration) {
    const Switch* entry = configuration.find("TEParser");
    return entry ? entry->value() : "TEParser";
}

}  // namespace

SpecificationParser::SpecificationParser(std::istream& input, const SwitchTable& configuration,
                                         std::ostream& notices)
    : file_("Type.java", std::ios::out | std::ios::trunc | std::ios::binary),
      output_(file_),
      configuration_(configuration),
      scanner_(input),
      classBodyState_(scanner_),
      methodBodyState_(scanner_),
      topLevelState_(scanner_),
      embeddedCodeState_(scanner_),
      classTable_(scanner_.line(), teParserClass(configuration), notices) {
    if (!file_.is_open()) throw std::runtime_error("Can not create output file Type.java");
    writeTypeExceptionFile();
    scanner_.setState(topLevelState_);
}

SpecificationParser::SpecificationParser(std::istream& input, std::ostream& output,
                                         const SwitchTable& configuration, std::ostream& notices,
                                         std::size_t inputBufferBytes)
    : output_(output),
      configuration_(configuration),
      scanner_(input, inputBufferBytes),
      classBodyState_(scanner_),
      methodBodyState_(scanner_),
      topLevelState_(scanner_),
      embeddedCodeState_(scanner_),
      classTable_(scanner_.line(), teParserClass(configuration), notices) {
    writeTypeExceptionFile();
    scanner_.setState(topLevelState_);
}

void SpecificationParser::writeTypeExceptionFile() {
    const Switch* api = configuration_.find("API");
    if (!api) return;
    std::optional<std::string> baseError;
    if (const Switch* base = configuration_.find("BASEERROR")) baseError = base->value();
    vastor::writeTypeExceptionFile(api->value(), baseError);
}

void SpecificationParser::parse() {
    advance();
    parsePreamble();
    parseTypesDirective();
    while (scanner_.token() == CLASS) parseClassDefinition();
    check(END_OF_INPUT, "Se esperaba el fin de fichero");

    classTable_.generate(output_);
    if (file_.is_open()) file_.close();
    if (!output_) throw std::runtime_error("Can not write output file Type.java");
}

void SpecificationParser::parsePreamble() {
    if (scanner_.token() != '%') {
        classTable_.setPreamble(std::string());
        return;
    }
    nextCheck('{', " se esperaba un '{'");
    scanner_.setState(embeddedCodeState_);
    nextCheck(EMBEDDED_CODE, "end-of embedded code expected");
    classTable_.setPreamble(scanner_.text());
    scanner_.setState(topLevelState_);
    advance();
}

void SpecificationParser::parseTypesDirective() {
    check(TYPES, "Se esperaba la directiva TYPES");
    nextCheck('=', "Se esperaba el signo =");
    nextCheck('{', "Se esperaba la apertura de llave '{'");
    advance();
    if (scanner_.token() != IDENTIFIER) fail("Se esperaba un especificador de promocion");
    parsePromotionChain();
    while (scanner_.token() == IDENTIFIER) parsePromotionChain();
    check('}', "Se esperaba el cierre de llave '}'");
    classTable_.endPromotions();
    advance();
}

// Chains follow each other with no separator: a chain ends at the first
// token after a name that is not '<', and that token stays current.
void SpecificationParser::parsePromotionChain() {
    classTable_.beginPromotion(scanner_.text());
    while (advance() == '<') {
        nextCheck(IDENTIFIER, " Se esperaba un identificador de tipo");
        classTable_.addPromotionType(scanner_.text());
    }
}

void SpecificationParser::parseClassDefinition() {
    nextCheck(IDENTIFIER, "Se esperaba un identificador de tipo");
    // The name is checked before its argument list is read.
    classTable_.beginClass(scanner_.text());
    if (advance() == '(') {
        do {
            advance();
            parseClassArgument();
        } while (scanner_.token() == ',');
        if (scanner_.token() != ')') fail("Se esperaba un ')' para cerrar los argumentos de clase");
        advance();
    }
    check('{', "Se esperaba la apertura de llave '{'");
    scanner_.setState(classBodyState_);
    advance();
    while (parseMember()) {
    }
    check('}', "Se esperaba el cierre de llave '}'");
    classTable_.endClass();
    advance();
}

void SpecificationParser::parseClassArgument() {
    check(IDENTIFIER, "Se esperaba un Tipo de argumento para el constructor de tipo");
    std::string kind = scanner_.text();
    if (kind != "Type" && kind != "String") fail(kind + " no es un argumento valido como constructor de tipo");
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
        case '}':
            scanner_.setState(topLevelState_);
            return false;
        case CODE_START:
            scanner_.setState(embeddedCodeState_);
            nextCheck(EMBEDDED_CODE, "end-of embedded code expected");
            classTable_.addClassCode(scanner_.text());
            scanner_.setState(classBodyState_);
            advance();
            return true;
        case METHOD_START:
            // The class-body state gave the method's first letter back, so the
            // top-level state now reads the whole result type.
            scanner_.setState(topLevelState_);
            advance();
            parseMethodDefinition();
            return true;
        default:
            fail("Algo raro paso mientras se leila la definicion de la clase");
    }
}

void SpecificationParser::parseMethodDefinition() {
    check(IDENTIFIER, "<identifer> Type result expected");
    methodResultType_ = scanner_.text();
    nextCheck(IDENTIFIER, "<identifer> name of method expected");
    methodName_ = scanner_.text();
    nextCheck('(', "Se esperaba la apertura de parametros '('");
    advance();
    methodParameters_.clear();
    if (parseParameter()) {
        while (scanner_.token() == ',') {
            advance();
            if (!parseParameter()) fail("Se esperaba un parametro");
        }
    }
    check(')', "Se esperaba el cierre de parametros ')'");
    nextCheck('{', "Se esperaba la apertura del cuerpo '{'");
    scanner_.setState(methodBodyState_);
    nextCheck(METHOD_BODY, "Al leer el cuerpo del m\xE9" "todo");
    methodBody_ = scanner_.text();
    // The scratch fields are refilled for every method, so the record may take them over.
    classTable_.addMethod(Method(std::move(methodName_), std::move(methodResultType_), std::move(methodParameters_),
                                 std::move(methodBody_)));
    scanner_.setState(classBodyState_);
    advance();
}

bool SpecificationParser::parseParameter() {
    if (scanner_.token() != IDENTIFIER) return false;
    std::string type = scanner_.text();
    nextCheck(IDENTIFIER, "<identifier> missing parameter name");
    methodParameters_.push_back(Parameter{std::move(type), scanner_.text()});
    advance();
    return true;
}

void SpecificationParser::check(int kind, const char* message) const {
    if (scanner_.token() != kind) fail(message);
}

void SpecificationParser::nextCheck(int kind, const char* message) {
    advance();
    check(kind, message);
}

void SpecificationParser::fail(const std::string& message) const {
    throw common::SyntaxError(scanner_.line(), message);
}

}  // namespace vastor
