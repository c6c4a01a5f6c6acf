#pragma once

#include <string>
#include <string_view>

#include "common/ToString.h"

/// Every text that Vastor prints of its own: usage, configuration, scanner,
/// syntax and semantic errors, notices and output failures. The texts that
/// Perlan prints as well are in common/Messages.h. Latin-1 bytes are written
/// as escapes: 0xED is an i and 0xE9 an e with acute accent.
namespace vastor::messages {

// Command line and configuration.

/// The usage text; its blanks and tabs are part of the text as users know it.
inline constexpr std::string_view usage =
    "usage:\n"
    "    Vastor [options] <input_file>\n"
    "\n"
    "    options:\n"
    "        -baseError=<class_name> // name of the base class \n"
    "                                // for TypeException.(Optional)\n"
    "\t-language=<lang_name>   // name of output language.\n"
    "                                // JAVA by default. (Mandatory)\n"
    "        -outHeader=<file_name>  // output header file. (Optional)\n"
    "        -outImpl=<file_name>    // output implementation file.\n"
    "                                // Type.java by default (Mandatory)\n"
    "        -API=<api_location>     // path of the API (Mandatory)\n"
    "        -TEParser=<class_name>  // name of the type expression\n"
    "\t\t\t\t// compiler class. (Mandatory)\n";

inline std::string overridingSwitch(const std::string& key) {
    return "Vastor Switch Warning: Overriding existing switch " + key + '\n';
}
inline std::string switchWithoutMinus(const std::string& argument) {
    return "Bad format in switch: " + argument + " must begin with '-'";
}
inline std::string switchWithoutEquals(const std::string& argument) {
    return "Bad format in switch: " + argument + " flags must be joined by '='";
}
inline std::string unknownSwitch(const std::string& name) { return "unknown Switch: " + name; }
inline constexpr std::string_view baseErrorWithoutApi = "no API location especified with baseError Flag";
inline constexpr std::string_view headerWithJava = "no header file with Language Java";
inline constexpr std::string_view outputNotTypeJava = "with Java Languaje output must be Type.java";
inline constexpr std::string_view inputIsTypeJava =
    "with Java Languaje output must be Type.java cannot use Type.java as input";
inline constexpr std::string_view apiNotSet = "CLASSPATH or API flag not set";

// Scanner errors.

inline std::string characterNotAllowed(char c) {
    return "caracter '" + common::toString(c) + "' no permitido en este contexto";
}
inline std::string characterNotAccepted(char c) { return "caracter '" + common::toString(c) + "' no aceptado"; }
inline std::string braceExpectedAfterPercent(char c) {
    return "caracter '" + common::toString(c) + "' no esperado. Se esperaba un '{'";
}
inline constexpr std::string_view endOfInputInClassBody =
    "fin de fichero alcanzado mientras se le\xED"
    "a el cuerpo";
inline constexpr std::string_view endOfInputInMethodBody =
    "Fin de fichero Inesperado mientras se le\xED"
    "a el cuerpo";
inline constexpr std::string_view endOfInputInEmbeddedCode =
    "Fin de fichero inesperado mientras se escaneaba el interior de la clase";

inline constexpr std::string_view scannerFile = "Scanner";
inline constexpr std::string_view unknownScannerState = "unknown state in int ScannerTokenizer::yylex()";

// Syntax errors. Some begin with a blank and "identifer" is spelt so: users know them this way.

inline constexpr std::string_view endOfFileExpected = "Se esperaba el fin de fichero";
inline constexpr std::string_view braceAfterPercentExpected = " se esperaba un '{'";
inline constexpr std::string_view endOfEmbeddedCodeExpected = "end-of embedded code expected";
inline constexpr std::string_view typesDirectiveExpected = "Se esperaba la directiva TYPES";
inline constexpr std::string_view equalsSignExpected = "Se esperaba el signo =";
inline constexpr std::string_view openingBraceExpected = "Se esperaba la apertura de llave '{'";
inline constexpr std::string_view promotionExpected = "Se esperaba un especificador de promocion";
inline constexpr std::string_view closingBraceExpected = "Se esperaba el cierre de llave '}'";
inline constexpr std::string_view promotedTypeExpected = " Se esperaba un identificador de tipo";
inline constexpr std::string_view classNameExpected = "Se esperaba un identificador de tipo";
inline constexpr std::string_view argumentsNotClosed = "Se esperaba un ')' para cerrar los argumentos de clase";
inline constexpr std::string_view argumentKindExpected = "Se esperaba un Tipo de argumento para el constructor de tipo";
inline std::string invalidArgumentKind(const std::string& kind) {
    return kind + " no es un argumento valido como constructor de tipo";
}
inline constexpr std::string_view unexpectedInClassBody = "Algo raro paso mientras se leila la definicion de la clase";
inline constexpr std::string_view resultTypeExpected = "<identifer> Type result expected";
inline constexpr std::string_view methodNameExpected = "<identifer> name of method expected";
inline constexpr std::string_view parametersOpeningExpected = "Se esperaba la apertura de parametros '('";
inline constexpr std::string_view parameterExpected = "Se esperaba un parametro";
inline constexpr std::string_view parametersClosingExpected = "Se esperaba el cierre de parametros ')'";
inline constexpr std::string_view bodyOpeningExpected = "Se esperaba la apertura del cuerpo '{'";
inline constexpr std::string_view methodBodyExpected =
    "Al leer el cuerpo del m\xE9"
    "todo";
inline constexpr std::string_view parameterNameExpected = "<identifier> missing parameter name";

// Semantic errors and notices.

inline std::string specialClassPromoted(const std::string& name) {
    return name + " is a special class. Can not appear in the preamble";
}
inline std::string specialClassDefined(const std::string& name) {
    return "Cannot define class " + name + " it will be generated by Vastor";
}
inline constexpr std::string_view baseTypeDefinedTwice = "BaseType class have already been defined";
inline std::string classNotPromoted(const std::string& name) {
    return "la clase " + name + " no ha sido indicada en la directiva de promociones";
}
inline std::string classDefinedTwice(const std::string& name) { return "la clase " + name + " ya ha sido definida"; }
inline constexpr std::string_view baseTypeWithArguments = "BaseType can not have arguments";
inline std::string reservedAccessor(const std::string& signature) { return "Can not override method " + signature; }
inline std::string definedTwiceInClass(const std::string& signature, const std::string& className) {
    return "method " + signature + " have alreadey been overriden in class " + className;
}
/// BaseType's own methods are named as Type's: users know the text this way.
inline std::string definedTwiceInBaseType(const std::string& signature) {
    return definedTwiceInClass(signature, "Type");
}
inline std::string reservedBuilder(const std::string& signature) {
    return "method " + signature + " is reserved and cannot be overriden";
}
inline std::string reservedForType(const std::string& signature) {
    return "Method " + signature + " is reserved for class Type";
}
inline std::string definitionOf(const std::string& className, const std::string& signature) {
    return "Definition of " + className + '.' + signature + '\n';
}

// Output files.

inline constexpr std::string_view cannotCreateTypeJava = "Can not create output file Type.java";
inline std::string cannotCreateLineMap(const std::string& path) { return "Can not create output file " + path; }
inline std::string cannotWriteLineMap(const std::string& path) { return "Can not write output file " + path; }
inline constexpr std::string_view lineMapIsTypeJava = "the line map can not be written to Type.java";
inline std::string cannotOpenTypeException(const std::string& path) {
    return "Can not open API TypeException.java file: " + path;
}
inline std::string cannotWriteTypeException(const std::string& path) {
    return "Can not write API TypeException.java file: " + path;
}

}  // namespace vastor::messages
