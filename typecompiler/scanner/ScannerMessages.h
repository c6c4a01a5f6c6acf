#pragma once

#include <string>

#include "common/ToString.h"

namespace vastor {

/// The texts of every lexical error of the specification scanner. The two
/// "le\xED" "a" texts carry the Latin-1 byte 0xED (i with acute accent).
namespace scannerMessages {

inline std::string characterNotAllowed(char c) { return "caracter '" + common::toString(c) + "' no permitido en este contexto"; }

inline std::string characterNotAccepted(char c) { return "caracter '" + common::toString(c) + "' no aceptado"; }

inline std::string braceExpectedAfterPercent(char c) {
    return "caracter '" + common::toString(c) + "' no esperado. Se esperaba un '{'";
}

inline constexpr const char* endOfInputInClassBody = "fin de fichero alcanzado mientras se le\xED" "a el cuerpo";
inline constexpr const char* endOfInputInMethodBody = "Fin de fichero Inesperado mientras se le\xED" "a el cuerpo";
inline constexpr const char* endOfInputInEmbeddedCode =
    "Fin de fichero inesperado mientras se escaneaba el interior de la clase";

inline constexpr const char* internalErrorFile = "Scanner";
inline constexpr const char* unknownState = "unknown state in int ScannerTokenizer::yylex()";

}  // namespace scannerMessages

}  // namespace vastor
