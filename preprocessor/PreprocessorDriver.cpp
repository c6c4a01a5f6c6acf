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

int reportWriteFailure(std::ostream& err, const std::string& outputName) {
    err << common::messages::cannotWriteOutputFile << outputName << "\n" << std::flush;
    return exitStatus::errorReported;
}

int translate(std::istream& input, std::ofstream& output, const std::string& outputName, std::ostream& err) {
    try {
        PreprocessorParser parser(input, output);
        parser.parse();
    } catch (const common::OutputWriteError&) {
        return reportWriteFailure(err, outputName);
    }
    output.close();
    if (output.fail()) return reportWriteFailure(err, outputName);
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

int runPerlan(int argc, const char* const* argv, std::ostream& err) {
    try {
        const int arguments = argc - 1;
        if (arguments != 1 && arguments != 2) {
            // argv[0] may be missing when the program is started without any argument vector.
            const char* program = argc > 0 ? argv[0] : messages::programName;
            err << messages::usage(program) << std::flush;
            return exitStatus::badCommandLine;
        }
        const std::string inputName = argv[1];
        if (arguments == 2 && inputName == argv[2]) {
            err << common::messages::cannotWriteInInputFile << std::flush;
            return exitStatus::errorReported;
        }

        std::ifstream input;
        if (!common::isDirectory(inputName)) input.open(common::filePath(inputName), std::ios::in | std::ios::binary);
        if (!input.is_open()) {
            err << common::messages::cannotOpenInputFile << inputName << std::flush;
            return exitStatus::inputNotOpened;
        }

        const std::string outputName = arguments == 2 ? argv[2] : deriveOutputName(inputName);
        // Opening the output truncates it: refuse any name that leads back to the input.
        if (common::isSameExistingFile(inputName, outputName)) {
            err << common::messages::cannotWriteInInputFile << std::flush;
            return exitStatus::errorReported;
        }
        std::ofstream output(common::filePath(outputName), std::ios::out | std::ios::trunc | std::ios::binary);
        if (!output.is_open()) {
            err << messages::cannotOpenOutputFile << outputName << std::flush;
            return exitStatus::outputNotOpened;
        }
        return translate(input, output, outputName, err);
    } catch (const common::InputReadError&) {
        err << common::messages::cannotReadInputFile << argv[1] << "\n" << std::flush;
        return exitStatus::errorReported;
    } catch (const std::exception& error) {
        err << common::errorText(error) << '\n' << std::flush;
        return exitStatus::errorReported;
    }
}

}  // namespace perlan
