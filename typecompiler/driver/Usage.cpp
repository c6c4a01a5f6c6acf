#include "typecompiler/driver/Usage.h"

#include "typecompiler/VastorMessages.h"

namespace vastor {

void printUsage(std::ostream& out) { out << messages::usage << std::flush; }

}  // namespace vastor
