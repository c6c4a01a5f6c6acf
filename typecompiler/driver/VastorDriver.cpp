#include "typecompiler/driver/VastorDriver.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>

#include "common/CompilerError.h"
#include "common/FileIdentity.h"
#include "common/FileNames.h"
#include "common/IoError.h"
#include "common/Messages.h"
#include "typecompiler/VastorMessages.h"
#include "typecompiler/driver/FileOutputSink.h"
#include "typecompiler/driver/Usage.h"
#include "typecompiler/generator/TypeExceptionWriter.h"
#include "typecompiler/options/ConfigurationException.h"
#include "typecompiler/options/SwitchKeys.h"
#include "typecompiler/options/SwitchParsing.h"
#include "typecompiler/options/SwitchTable.h"
#include "typecompiler/parser/SpecificationParser.h"

namespace vastor {

namespace {

// True when writing the outputs would overwrite the specification itself:
// Type.java, or with -API the TypeException.java, or the line map, is the
// input file under another name (./Type.java, a symbolic or a hard link).
bool inputIsAnOutput(const std::string& inputName, const SwitchTable& configuration) {
    if (common::isSameExistingFile(inputName, typeJavaFile)) return true;
    const Switch* lineMap = configuration.find(switchKey::lineMap);
    if (lineMap && common::isSameExistingFile(inputName, lineMap->value())) return true;
    const Switch* api = configuration.find(switchKey::api);
    return api && common::isSameExistingFile(inputName, typeExceptionPath(api->value()));
}

// The last component of a path, as the line map names the specification.
std::string fileNameOf(const std::string& path) {
    const auto slash = path.find_last_of(common::pathSeparators());
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Writes the line map of the Type.java just written; a file that cannot be
// written fails the run, which must not look like a success.
void writeLineMap(const SpecificationParser& parser, const std::string& mapName, const std::string& inputName) {
    std::ofstream map(common::filePath(mapName), std::ios::out | std::ios::trunc | std::ios::binary);
    if (!map.is_open()) throw common::OutputOpenError(messages::cannotCreateLineMap(mapName));
    const std::string text = parser.lineMap(fileNameOf(inputName), inputName);
    map.write(text.data(), static_cast<std::streamsize>(text.size()));
    map.close();
    if (!map) throw common::OutputWriteError(messages::cannotWriteLineMap(mapName));
}

}  // namespace

int runVastor(const std::vector<std::string>& arguments, std::ostream& errors) {
    if (arguments.size() < 2) {
        printUsage(errors);
        return exitStatus::badCommandLine;
    }
    try {
        SwitchTable configuration(errors);
        addDefaultSwitches(configuration);
        for (std::size_t i = 1; i + 1 < arguments.size(); ++i) parseSwitch(arguments[i], configuration);
        const std::string& inputName = arguments.back();
        configuration.add(std::make_unique<Switch>(switchKey::inputFile, inputName));
        configuration.add(std::make_unique<Switch>(switchKey::teParser, teParserClass));
        configuration.validate();

        // A directory opens as a stream on this platform but cannot be read.
        std::ifstream input;
        if (!common::isDirectory(inputName)) input.open(common::filePath(inputName), std::ios::in | std::ios::binary);
        if (!input.is_open()) {
            errors << common::messages::cannotOpenInputFile << inputName << std::flush;
            return exitStatus::inputNotOpened;
        }
        if (inputIsAnOutput(inputName, configuration)) {
            errors << common::messages::cannotWriteInInputFile << std::flush;
            return exitStatus::errorReported;
        }

        const Switch* lineMap = configuration.find(switchKey::lineMap);
        if (lineMap && (std::filesystem::path(lineMap->value()).lexically_normal() == typeJavaFile ||
                        common::isSameExistingFile(lineMap->value(), typeJavaFile))) {
            throw ConfigurationException(messages::lineMapIsTypeJava);
        }

        // The tool writes files; the notices join the errors on standard error.
        FileOutputSink output(errors);
        SpecificationParser parser(input, configuration, output);
        std::error_code sizeUnknown;
        const auto inputBytes = std::filesystem::file_size(common::filePath(inputName), sizeUnknown);
        if (!sizeUnknown) parser.expectInputSize(inputBytes);
        if (lineMap) parser.enableLineMap();
        parser.parse();
        if (lineMap) writeLineMap(parser, lineMap->value(), inputName);
        return exitStatus::success;
    } catch (const common::InputReadError&) {
        errors << common::messages::cannotReadInputFile << arguments.back() << '\n' << std::flush;
        return exitStatus::errorReported;
    } catch (const std::exception& error) {
        errors << common::errorText(error) << '\n' << std::flush;
        return exitStatus::errorReported;
    }
}

}  // namespace vastor
