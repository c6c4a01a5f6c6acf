#include "typecompiler/driver/Usage.h"

namespace vastor {

void printUsage(std::ostream& out) {
    // Blanks and tabs are part of the text as users know it.
    static constexpr const char* text =
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
    out << text << std::flush;
}

}  // namespace vastor
