#pragma once

#include <fstream>
#include <ostream>
#include <string>
#include <string_view>

#include "typecompiler/parser/OutputSink.h"

namespace vastor {

/// Vastor's output as files: Type.java in the working directory,
/// TypeException.java at the path the parser gives, and the notices on the
/// stream given (standard error in the tool).
class FileOutputSink : public OutputSink {
public:
    explicit FileOutputSink(std::ostream& notices) : notices_(notices) {}

    /// Creates or empties Type.java in the working directory.
    std::ostream& createTypeJava() override;
    /// Closes Type.java; a failed close sets the stream's failbit.
    void closeTypeJava() override;
    /// Creates or empties the file at path and writes text into it. Folders
    /// are not created.
    void writeTypeException(const std::string& path, std::string_view text) override;
    std::ostream& notices() override { return notices_; }

private:
    std::ostream& notices_;
    std::ofstream typeJava_;
};

}  // namespace vastor
