#include "typecompiler/generator/TypeExceptionWriter.h"

#include <string_view>

#include "common/FileNames.h"

namespace vastor {

namespace {

constexpr std::string_view kHead =
    "package es.corvena.dmq.typeChecking.errorHandling;\n"
    "\n\npublic class TypeException extends ";

constexpr std::string_view kFields =
    "{\n"
    "\tpublic int line;\n"
    "\tpublic TypeException(String s) {this(s,0); }\n"
    "\tpublic TypeException(String s, int line) { super(s); this.line = line; }\n";

// The line comes from the scanner linked with setLex when there is one.
constexpr std::string_view kScannerLinkedBody =
    "\tstatic antlr.CharScanner lex = null;\n"
    "\tpublic static void setLex(antlr.CharScanner l) {\n"
    "\t\tlex = l;\n"
    "\t}\n"
    "\tpublic static antlr.CharScanner getLex() {\n"
    "\t\treturn lex;\n"
    "\t}\n\n"
    "\tpublic String toString() {\n"
    "//\tint lin = lex == null? line : lex.getLine();\n"
    "\t\tif (lex!= null) line = lex.getLine();\n"
    "\t\treturn \"TypeException, line(\" + line + \")\" + getMessage();\n"
    "\t}\n";

// No scanner link here, so no line may read lex: the class would not compile.
constexpr std::string_view kPlainBody =
    "\tpublic String toString() {\n"
    "\t\treturn \"TypeException\" + (line ==0 ?\": \": \", line(\" + line + \")\" )+ getMessage();\n"
    "\t}\n";

}  // namespace

std::string typeExceptionText(const std::optional<std::string>& baseError) {
    std::string text(kHead);
    text += baseError ? *baseError : std::string("Exception");
    text += kFields;
    text += baseError ? kScannerLinkedBody : kPlainBody;
    text += "}\n";
    return text;
}

std::string typeExceptionPath(const std::string& apiDirectory) {
    const char separator = common::pathSeparator();
    return apiDirectory + separator + "errorHandling" + separator + "TypeException.java";
}

}  // namespace vastor
