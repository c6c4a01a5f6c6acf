#include "preprocessor/PreprocessorDriver.h"

#include <exception>
#include <fstream>

#include "common/CompilerError.h"
#include "common/FileIdentity.h"
#include "common/FileNames.h"
#include "common/IoError.h"
#include "common/Messages.h"
#include "preprocessor/PerlanMessages.h"
#include "preprocessor/PreprocessorParser.h"

namespace perlan {

namespace {

int reportWriteFailure(std::ostream& errors, const std::string& outputName) {
    errors << common::messages::cannotWriteOutputFile << outputName << "\n" << std::flush;
    return exitStatus::errorReported;
}

int translate(std::istream& input, std::ofstream& output, const std::string& outputName, std::ostream& errors) {
    try {
        PreprocessorParser parser(input, output);
        parser.parse();
    } catch (const common::OutputWriteError&) {
        return reportWriteFailure(errors, outputName);
    }
    output.close();
    if (output.fail()) return reportWriteFailure(errors, outputName);
    return exitStatus::success;
}

}  // namespace

std::string deriveOutputName(const std::string& inputName) {
    const std::string suffix = ".yt";
    if (inputName.size() > suffix.size() &&
        inputName.compare(inputName.size() - suffix.size(), suffix.size(), suffix) == 0)
        return inputName.substr(0, inputName.size() - 1);
    return inputName + ".y";
}

int runPerlan(const std::vector<std::string>& arguments, std::ostream& errors) {
    try {
        const std::size_t files = arguments.empty() ? 0 : arguments.size() - 1;
        if (files != 1 && files != 2) {
            // The program name is missing when the program is started without any argument vector.
            const std::string program = arguments.empty() ? std::string(messages::programName) : arguments[0];
            errors << messages::usage(program) << std::flush;
            return exitStatus::badCommandLine;
        }
        const std::string& inputName = arguments[1];
        if (files == 2 && inputName == arguments[2]) {
            errors << common::messages::cannotWriteInInputFile << std::flush;
            return exitStatus::errorReported;
        }

        std::ifstream input;
        if (!common::isDirectory(inputName)) input.open(common::filePath(inputName), std::ios::in | std::ios::binary);
        if (!input.is_open()) {
            errors << common::messages::cannotOpenInputFile << inputName << std::flush;
            return exitStatus::inputNotOpened;
        }

        const std::string outputName = files == 2 ? arguments[2] : deriveOutputName(inputName);
        // Opening the output truncates it: refuse any name that leads back to the input.
        if (common::isSameExistingFile(inputName, outputName)) {
            errors << common::messages::cannotWriteInInputFile << std::flush;
            return exitStatus::errorReported;
        }
        std::ofstream output(common::filePath(outputName), std::ios::out | std::ios::trunc | std::ios::binary);
        if (!output.is_open()) {
            errors << messages::cannotOpenOutputFile << outputName << std::flush;
            return exitStatus::outputNotOpened;
        }
        return translate(input, output, outputName, errors);
    } catch (const common::InputReadError&) {
        errors << common::messages::cannotReadInputFile << arguments[1] << "\n" << std::flush;
        return exitStatus::errorReported;
    } catch (const std::exception& error) {
        errors << common::errorText(error) << '\n' << std::flush;
        return exitStatus::errorReported;
    }
}

}  // namespace perlan
