#pragma once

#include <sstream>
#include <string>
#include <string_view>

#include "typecompiler/parser/OutputSink.h"

namespace vastor {

/// An OutputSink that writes no file: it keeps the text of Type.java, the
/// place and text of TypeException.java and the notices in memory, for a
/// caller that runs the parser on a text it holds (an editor's buffer, a
/// fuzzer's input). One sink serves one run: its notices add up.
class MemoryOutputSink : public OutputSink {
public:
    MemoryOutputSink() = default;

    /// Starts Type.java afresh, empty.
    std::ostream& createTypeJava() override;
    void closeTypeJava() override {}
    /// Keeps path and text; never raises.
    void writeTypeException(const std::string& path, std::string_view text) override;
    std::ostream& notices() override { return notices_; }

    /// The text of Type.java: empty unless the whole specification was correct.
    std::string typeJava() const { return typeJava_.str(); }
    /// The notices, whole lines each ending in a line feed.
    std::string noticeText() const { return notices_.str(); }
    /// Where TypeException.java belongs and its text; both empty unless it was written.
    const std::string& typeExceptionPath() const { return typeExceptionPath_; }
    const std::string& typeExceptionText() const { return typeExceptionText_; }

private:
    std::ostringstream typeJava_;
    std::ostringstream notices_;
    std::string typeExceptionPath_;
    std::string typeExceptionText_;
};

}  // namespace vastor
