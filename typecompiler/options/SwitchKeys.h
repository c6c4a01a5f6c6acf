#pragma once

namespace vastor {

/// The canonical keys of Vastor's configuration (the SwitchTable).
namespace switchKey {
inline constexpr const char* language = "LANGUAGE";
inline constexpr const char* outHeader = "OUTHEADER";
inline constexpr const char* outImpl = "OUTIMPL";
inline constexpr const char* baseError = "BASEERROR";
inline constexpr const char* api = "API";
inline constexpr const char* teParser = "TEParser";
inline constexpr const char* inputFile = "INPUTFILE";
/// Where to write the line map of Type.java (switch -lineMap); absent: nowhere.
inline constexpr const char* lineMap = "LINEMAP";
/// The key of the switch made for a -language that names anything but Java.
inline constexpr const char* languageJava = "LanguageJavaSwitch";
}  // namespace switchKey

/// The only output language, LANGUAGE's default.
inline constexpr const char* javaLanguage = "JAVA";
/// The generated file, in the working directory; OUTIMPL must name it.
inline constexpr const char* typeJavaFile = "Type.java";
/// The type-expression parser class that the generated code creates.
inline constexpr const char* teParserClass = "TEParser";

}  // namespace vastor
