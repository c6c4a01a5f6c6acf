#include "SpecificationGenerator.h"

#include <string>

namespace {

constexpr long kSharedSignatures = 200;
constexpr int kSharedPerClass = 8;
constexpr int kChainLength = 5;

std::string typeName(long index) { return "T" + std::to_string(index); }

// The shared signature number k: result type, name and parameters depend on k
// only, so every class that picks k defines the same key signature.
std::string sharedHeader(long k) {
    const std::string n = std::to_string(k);
    switch (k % 4) {
    case 0: return "Type combine" + n + " (Type left, String operation)";
    case 1: return "boolean accepts" + n + " (Type other)";
    case 2: return "void record" + n + " (String note, Type where, Type what)";
    default: return "String describe" + n + " ()";
    }
}

// A body with nested braces, a string holding a brace and a comment, as the
// method-body state must keep them.
std::string body(const std::string& owner, long k) {
    const std::string n = std::to_string(k);
    return " {\n"
           "\t\t// " +
           owner + " version of signature " + n +
           "\n"
           "\t\tif (getName().equals(\"" +
           owner +
           "\")) {\n"
           "\t\t\tString s = \"{ not a brace }\" + " +
           n +
           ";\n"
           "\t\t\tif (s.length() > 0) { s = s.trim(); }\n"
           "\t\t}\n"
           "\t\tthrow new TypeException(\"" +
           owner + " does not support " + n +
           "\");\n"
           "\t}\n";
}

void writeTypesDirective(std::ostream& out, long promoted) {
    out << "Types = {\n";
    for (long first = 0; first < promoted; first += kChainLength) {
        out << '\t';
        for (long i = first; i < first + kChainLength && i < promoted; ++i) {
            if (i != first) out << " < ";
            out << typeName(i);
        }
        out << '\n';
    }
    out << "}\n\n";
}

void writeBaseType(std::ostream& out) {
    out << "class BaseType {\n"
           "\t%{\n"
           "\tstatic int created = 0;\n"
           "\t%}\n"
           "\tboolean equalsTo (Type t) {\n"
           "\t\treturn t.getName().equals(getName());\n"
           "\t}\n"
           "\tType implicitCast (Type t) {\n"
           "\t\treturn equalsTo(t) ? t : null;\n"
           "\t}\n";
    for (long k = 0; k < kSharedSignatures; k += 10) out << '\t' << sharedHeader(k) << body("BaseType", k);
    out << "}\n\n";
}

void writeUserClass(std::ostream& out, long index) {
    const std::string name = typeName(index);
    out << "class " << name;
    switch (index % 3) {
    case 0: out << " (Type, String+)"; break;
    case 1: out << " (Type +)"; break;
    default: break;
    }
    out << " {\n";
    if (index % 3 == 0) {
        out << "\t%{\n"
               "\tprivate int uses = 0; // code block of "
            << name
            << " with a \"%}\" in a string\n"
               "\t%}\n";
    }
    for (int j = 0; j < kSharedPerClass; ++j) {
        const long k = (index * 7 + j * 13) % kSharedSignatures;
        // Distinct j give distinct k, so no class defines a signature twice.
        out << '\t' << sharedHeader(k) << body(name, k);
    }
    out << "\tint size" << index << " (Type t) {\n\t\treturn " << index << ";\n\t}\n";
    out << "\tvoid visit" << index << " (String label, Type t)" << body(name, index);
    out << "}\n\n";
}

}  // namespace

void writeSpecification(std::ostream& out, long classes) {
    out << "%{\n"
           "// Generated specification of "
        << classes
        << " classes\n"
           "import java.util.List;\n"
           "%}\n";
    // Every tenth promoted type has no class of its own.
    const long promoted = classes + classes / 9;
    writeTypesDirective(out, promoted);
    writeBaseType(out);
    for (long i = 0, defined = 0; defined < classes; ++i) {
        if (i % 10 == 9) continue;
        writeUserClass(out, i);
        ++defined;
    }
}

namespace {

// Fifteen signatures with the look of a type checker's operations: long
// names with common prefixes, as key-signature look-ups meet them.
constexpr const char* kPool[] = {
    "Type checkArithmeticOperation (String operator, Type right)",
    "Type checkComparisonOperation (String operator, Type right)",
    "Type checkLogicalOperation (String operator, Type right)",
    "Type checkUnaryOperation (String operator)",
    "Type checkAssignment (Type value)",
    "Type checkIndexing (Type index)",
    "Type checkFieldAccess (String field)",
    "Type checkCall (TermList arguments)",
    "boolean isNumeric ()",
    "boolean isComparable (Type other)",
    "boolean isAssignableFrom (Type other)",
    "String describeType ()",
    "void recordUse (String where, int line)",
    "void recordDefinition (String where, int line)",
    "int sizeInWords ()",
};
constexpr int kPoolSize = sizeof kPool / sizeof kPool[0];

std::string shortBody(const char* header) {
    const std::string h = header;
    if (h.starts_with("void")) return " { uses++; }\n";
    if (h.starts_with("boolean")) return " { return false; }\n";
    if (h.starts_with("String")) return " { return name; }\n";
    if (h.starts_with("int")) return " { return 1; }\n";
    return " { return null; }\n";
}

}  // namespace

void writeDelegationHeavySpecification(std::ostream& out, long classes) {
    out << "%{\n"
           "// Generated delegation-heavy specification of "
        << classes
        << " classes\n"
           "%}\n";
    const long promoted = classes + classes / 9;
    writeTypesDirective(out, promoted);
    out << "class BaseType {\n"
           "\tboolean equalsTo (Type t) { return t.getName().equals(getName()); }\n"
           "}\n\n";
    for (long i = 0, defined = 0; defined < classes; ++i) {
        if (i % 10 == 9) continue;
        out << "class " << typeName(i) << (i % 2 ? " (Type, String+)" : "") << " {\n";
        // Ten distinct signatures of the pool, starting at a place that varies by class.
        for (int j = 0; j < 10; ++j) {
            const char* header = kPool[(i + j) % kPoolSize];
            out << '\t' << header << shortBody(header);
        }
        out << "}\n\n";
        ++defined;
    }
}
