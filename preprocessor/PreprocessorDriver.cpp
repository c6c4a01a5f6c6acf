#include "preprocessor/PreprocessorDriver.h"

#include <exception>
#include <fstream>

#include "common/ByteReader.h"
#include "common/CompilerError.h"
#include "common/FileIdentity.h"
#include "common/FileNames.h"
#include "preprocessor/HeldBackWriter.h"
#include "preprocessor/PreprocessorParser.h"

namespace perlan {

namespace {

int reportWriteFailure(std::ostream& err, const std::string& outputName) {
    err << "Can not write output file " << outputName << "\n" << std::flush;
    return exitStatus::errorReported;
}

int translate(std::istream& input, std::ofstream& output, const std::string& outputName,
              std::ostream& err) {
    try {
        PreprocessorParser parser(input, output);
        parser.parse();
    } catch (const OutputWriteError&) {
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
            const char* program = argc > 0 ? argv[0] : "Perlan";
            err << "\n\tUsage: " << program << " input_file [output_file]\n" << std::flush;
            return exitStatus::badCommandLine;
        }
        const std::string inputName = argv[1];
        if (arguments == 2 && inputName == argv[2]) {
            err << "Can not write in the input file\n" << std::flush;
            return exitStatus::errorReported;
        }

        std::ifstream input;
        if (!common::isDirectory(inputName)) input.open(common::filePath(inputName), std::ios::in | std::ios::binary);
        if (!input.is_open()) {
            err << "Can not open input file " << inputName << std::flush;
            return exitStatus::inputNotOpened;
        }

        const std::string outputName = arguments == 2 ? argv[2] : deriveOutputName(inputName);
        // Opening the output truncates it: refuse any name that leads back to the input.
        if (common::isSameExistingFile(inputName, outputName)) {
            err << "Can not write in the input file\n" << std::flush;
            return exitStatus::errorReported;
        }
        std::ofstream output(common::filePath(outputName), std::ios::out | std::ios::trunc | std::ios::binary);
        if (!output.is_open()) {
            err << "Can not open output file " << outputName << std::flush;
            return exitStatus::outputNotOpened;
        }
        return translate(input, output, outputName, err);
    } catch (const common::InputReadError&) {
        err << "Can not read input file " << argv[1] << "\n" << std::flush;
        return exitStatus::errorReported;
    } catch (const std::exception& error) {
        err << common::errorText(error) << '\n' << std::flush;
        return exitStatus::errorReported;
    }
}

}  // namespace perlan
