#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace vastor {

/// Where a SpecificationParser sends everything it writes: the text of
/// Type.java, the text of TypeException.java and the notices. Its caller
/// decides: files for the tool, memory for a caller that writes no file.
///
/// The parser calls createTypeJava when it is constructed, then
/// writeTypeException when the configuration has "API"; at the end of a
/// correct specification it writes the whole text of Type.java to the stream
/// createTypeJava returned, then calls closeTypeJava. After an error nothing
/// more is written: Type.java stays as it was created, empty.
class OutputSink {
public:
    virtual ~OutputSink() = default;
    OutputSink(const OutputSink&) = delete;
    OutputSink& operator=(const OutputSink&) = delete;

    /// Creates Type.java, empty, and returns the stream its text goes to,
    /// which stays valid as long as the sink. Raises OutputOpenError "Can not
    /// create output file Type.java" when it cannot be created.
    virtual std::ostream& createTypeJava() = 0;

    /// Ends Type.java once its text is written. A failure to write or close
    /// it shows in the state of the stream createTypeJava returned.
    virtual void closeTypeJava() = 0;

    /// Writes text as the whole of TypeException.java, whose place is path
    /// (in the tool, the file there is created or emptied first). Raises
    /// OutputOpenError "Can not open API TypeException.java file: " + path
    /// when it cannot be opened, and OutputWriteError "Can not write API
    /// TypeException.java file: " + path when writing or closing it fails.
    virtual void writeTypeException(const std::string& path, std::string_view text) = 0;

    /// Where the notices go: whole lines, each flushed.
    virtual std::ostream& notices() = 0;

protected:
    OutputSink() = default;
};

}  // namespace vastor
