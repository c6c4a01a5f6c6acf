#include "typecompiler/model/StaticMethod.h"

namespace vastor {

void StaticMethod::write(std::string& out) const {
    out += "\tstatic ";
    appendNameAndParameters(out, ") throws TypeException {\n");
    out += body();
    out += "\n\t}\n\n";
}

}  // namespace vastor
