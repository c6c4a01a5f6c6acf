#include "typecompiler/parser/MemoryOutputSink.h"

namespace vastor {

std::ostream& MemoryOutputSink::createTypeJava() {
    typeJava_.str(std::string());
    typeJava_.clear();
    return typeJava_;
}

void MemoryOutputSink::writeTypeException(const std::string& path, std::string_view text) {
    typeExceptionPath_ = path;
    typeExceptionText_.assign(text);
}

}  // namespace vastor
