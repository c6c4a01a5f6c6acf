#include "typecompiler/generator/TypeWriter.h"

#include <string_view>
#include <utility>

#include "common/Exception.h"
#include "typecompiler/VastorMessages.h"
#include "typecompiler/generator/DeclaredPackage.h"
#include "typecompiler/generator/Delegation.h"
#include "typecompiler/model/StaticMethod.h"

namespace vastor {

namespace {

constexpr std::string_view kHeadBeforeParserClass =
    "//////////////////////////////////////////////////////////\n"
    "// CLASS TYPE//////////////////////////////////////\n"
    "import java.lang.reflect.Method;\n"
    "import java.util.ArrayList;\n"
    "import java.lang.Class;\n"
    "import es.corvena.dmq.typeChecking.*;\n"
    "import es.corvena.dmq.typeChecking.errorHandling.*;\n"
    "import java.lang.String;\n\n"
    "public class  Type implements TypeIF{\n"
    "\tstatic class TypesTableAdapter extends TypesTable {\n"
    "\n"
    "\t\tprivate TypesTableAdapter(TypeFactoryIF t, TEParserFactoryIF tef) { super(t, tef); }\n"
    "\n"
    "\t\tpublic Type getType(String id) throws TypeException{\n"
    "\t\t\treturn (Type)super.getTypeIF(id);\n"
    "\t\t}\n"
    "\n"
    "\t}\n"
    "\n"
    "\tpublic static TypesTableAdapter typesTable= new TypesTableAdapter\n"
    "\t\t     (\n"
    "\t              new TypeFactoryIF(){\n"
    "\n"
    "\t\t\tpublic TypeIF createType(String id, TermList e) throws TypeException {\n"
    "\t\t\treturn Type.builder(id, e);\n"
    "\t\t\t}\n"
    "\t\t      }\n"
    "\t              ,\n"
    "\t              new TEParserFactoryIF() {\n"
    "\n"
    "\t\t\tpublic TEParserIF createParser(String input, TypesTable t){\n"
    "\t\t\treturn new ";

constexpr std::string_view kHeadAfterParserClass =
    "(input, t);\n"
    "\t\t\t}\n"
    "\t\t     }\n"
    "\t             );\n\n"
    "\tprivate BaseType type;\n\n"
    "\tpublic Type (BaseType t) { type = t; }\n\n"
    "\tpublic String getName () { return type.getName(); }\n\n"
    "\tpublic String getType () { return type.getType(); }\n\n"
    "\tpublic Type getTypeField (int i) throws TypeException { return type.getTypeField(i); }\n\n"
    "\tpublic String getDataField (int i) throws TypeException { return type.getDataField(i); }\n\n"
    "\tpublic Type implicitCast (Type t) throws TypeException { return type.implicitCast(t); }\n\n"
    "\tpublic boolean equalsTo (Type t)  throws TypeException { return type.equalsTo(t); }\n\n"
    "\t// * user defined Methods\n\n";

// The builder's body, around the name of the class it looks up.
constexpr std::string_view kBuilderBodyBeforeClassName =
    "\t\tType t = null;\n"
    "\n"
    "\t\ttry {\n"
    "\t\t\tif (Type.isPredefinedType(id)) {\n"
    "\t\t\t\tClass c = Class.forName(";
constexpr std::string_view kBuilderBodyAfterClassName =
    ");\n"
    "\t\t\t\tClass [] builderPars = { e.getClass() };\n"
    "\t\t\t\tObject [] builderArgs = { e };\n"
    "\n"
    "\t\t\t\tt = new Type ((BaseType)c.getDeclaredMethod(\"builder\", builderPars).invoke(c, builderArgs));\n"
    "\t\t\t}\n"
    "\t\t\telse {\n"
    "\t\t\t\tif (e.size() > 0) throw new TypeException(\"Constructor of type references has got no parameters\");\n"
    "\t\t\t\tt = new Type (new TypeReference(id));\n"
    "\t\t\t}\n"
    "\n"
    "\t\t}\n"
    "\t\tcatch (java.lang.reflect.InvocationTargetException targetEx) {\n"
    "\t\t\tThrowable thr = targetEx.getCause();\n"
    "\t\t\tif (thr != null) {\n"
    "\t\t\t\tTypeException exce = new TypeException(thr.getMessage());\n"
    "\t\t\t\texce.setStackTrace(thr.getStackTrace());\n"
    "\t\t\t\tthrow exce;\n"
    "\t\t\t}\n"
    "\t\t\tthrow new TypeException(targetEx.getMessage());\n"
    "\t\t}\n"
    "\t\tcatch (Exception ex) { throw new TypeException(ex.toString()); }\n"
    "\t\t\treturn t;\n";

}  // namespace

TypeWriter::TypeWriter(const int& line, const std::string& currentClass, std::string parserClass, std::ostream& notices)
    : line_(line), currentClass_(currentClass), notices_(notices), parserClass_(std::move(parserClass)) {}

void TypeWriter::addGeneratedMethod(const Method& method) {
    method.write(text_);
    if (keys_.insert(method).inserted) roles_.push_back(Role::generated);
}

void TypeWriter::writeHeader(const std::string& preamble, int preambleLine) {
    // Type delegates these two in its fixed head.
    for (const std::string_view key : {"implicitCast (Type)", "equalsTo (Type)"}) {
        if (keys_.insert(key).inserted) roles_.push_back(Role::typeHandled);
    }

    text_ += "// * Preamble\n";
    marks_.copy(text_.size(), preambleLine);
    text_ += preamble;
    marks_.none(text_.size());
    text_ += "// * End of Preamble\n";
    text_ += kHeadBeforeParserClass;
    text_ += parserClass_;
    text_ += kHeadAfterParserClass;

    addGeneratedMethod(Method("isReference", "boolean", {}, "\t\treturn type instanceof TypeReference;", "public"));
    addGeneratedMethod(Method("isNamedType", "boolean", {}, "\t\treturn type instanceof NamedType;", "public"));
    addGeneratedMethod(Method("createAlias", "TypeIF", {{"String", "typeName"}},
                              "\t\t return new Type(new NamedType(typeName, this));", "public"));
    addGeneratedMethod(
        Method("resolveReference", "void", {{"TypeIF", "t"}},
               "\t\tif (!isReference()) throw new TypeException(\"Type \" + getType() + \" is not type reference\");\n"
               "\t\ttype = ((Type)t).type;",
               "public"));
    addGeneratedMethod(StaticMethod("isPredefinedType", "boolean", {{"String", "s"}},
                                    "\t\treturn java.util.Arrays.binarySearch(typeStrings, s)>=0;"));
    // In a named package the type classes are found only by their qualified names.
    std::string builderBody(kBuilderBodyBeforeClassName);
    const std::string package = declaredPackage(preamble);
    if (!package.empty()) builderBody += "\"" + package + ".\" + ";
    builderBody += "id";
    builderBody += kBuilderBodyAfterClassName;
    addGeneratedMethod(StaticMethod("builder", "Type", {{"String", "id"}, {"TermList", "e"}}, std::move(builderBody)));
}

void TypeWriter::addMethod(const Method& method) {
    const auto [index, inserted] = keys_.insert(method);
    if (inserted) {
        roles_.push_back(Role::delegated);
        writeMadeFor(method.headerLine(), [&] { writeDelegation(text_, method, "type."); });
        return;
    }
    switch (roles_[index]) {
    case Role::delegated: return;
    case Role::typeHandled:
        notices_ << messages::definitionOf(currentClass_, method.fullSignature());
        notices_.flush();
        return;
    case Role::generated: throw common::SemanticError(line_, messages::reservedForType(method.fullSignature()));
    }
}

void TypeWriter::writeTypeStrings(std::span<const std::string> promotedTypes, int directiveLine) {
    marks_.fixed(text_.size(), directiveLine);
    text_ += "\tprivate static String[] typeStrings = { ";
    bool first = true;
    for (const std::string& name : promotedTypes) {
        if (name == kBaseTypeName) continue;
        if (!first) text_ += ", ";
        first = false;
        text_ += '"';
        text_ += name;
        text_ += '"';
    }
    text_ += " };\n}\n\n";
    marks_.none(text_.size());
}

}  // namespace vastor
