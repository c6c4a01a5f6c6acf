#include "typecompiler/driver/FileOutputSink.h"

#include "common/FileNames.h"
#include "common/IoError.h"
#include "typecompiler/VastorMessages.h"
#include "typecompiler/options/SwitchKeys.h"

namespace vastor {

std::ostream& FileOutputSink::createTypeJava() {
    typeJava_.open(typeJavaFile, std::ios::out | std::ios::trunc | std::ios::binary);
    if (!typeJava_.is_open()) throw common::OutputOpenError(std::string(messages::cannotCreateTypeJava));
    return typeJava_;
}

void FileOutputSink::closeTypeJava() {
    if (typeJava_.is_open()) typeJava_.close();
}

void FileOutputSink::writeTypeException(const std::string& path, std::string_view text) {
    std::ofstream file(common::filePath(path), std::ios::out | std::ios::trunc | std::ios::binary);
    if (!file.is_open()) throw common::OutputOpenError(messages::cannotOpenTypeException(path));
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.flush();
    file.close();
    if (file.fail()) throw common::OutputWriteError(messages::cannotWriteTypeException(path));
}

}  // namespace vastor
