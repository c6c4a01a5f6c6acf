#pragma once

#include <string>
#include <vector>

/// A scanning case: the input and the states the parser would choose, one
/// letter per yylex() call: T top level, C class body, M method body,
/// E embedded code. A trailing '*' repeats the letter before it until the
/// end-of-input token. Scanning stops at the first error.
struct ScanCase {
    std::string input;
    std::string script;
    std::vector<std::string> expected;  // see scan()
};

/// Runs the script and describes each token as "<kind>[ <text>]@<line>",
/// e.g. "IDENTIFIER java.util.List@2", "'{'@1", "EOF@3", the text shown only
/// for kinds that set it; an error ends the list as "error: <what()>".
std::vector<std::string> scan(const std::string& input, const std::string& script);

/// Checks every case, naming the failing ones.
void expectScans(const std::vector<ScanCase>& cases);
