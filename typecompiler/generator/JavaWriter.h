#pragma once

#include <string>
#include <string_view>

#include "typecompiler/generator/LineMarks.h"
#include "typecompiler/generator/TextRoom.h"

namespace vastor {

class Method;

/// Name of the abstract Java class that every type class extends; a
/// definition of it in the specification fills that class instead of
/// adding a class of its own.
inline constexpr std::string_view kBaseTypeName = "BaseType";

/// A writer of one stretch of Type.java. It appends Java text to its own
/// in-memory buffer as the class table feeds it; the buffer reaches the file
/// only in the final write.
class JavaWriter {
public:
    virtual ~JavaWriter() = default;
    JavaWriter(const JavaWriter&) = delete;
    JavaWriter& operator=(const JavaWriter&) = delete;

    /// Takes one method of the specification; may reject it with a SemanticError.
    virtual void addMethod(const Method& method) = 0;

    /// The Java text written so far.
    const std::string& text() const { return text_; }

    /// Makes room for about `bytes` of text up front, a hint only: a large
    /// buffer then fills without being copied as it grows, in huge pages
    /// where the system offers them.
    virtual void reserve(std::size_t bytes) { room_.reserve(text_, bytes); }

    /// Called between classes, to back a buffer that has grown with huge
    /// pages from its start.
    virtual void settle() { room_.settle(text_); }

    /// Keeps, from now on, where the lines of the text come from.
    void enableLineMarks() { marks_.enable(); }
    const LineMarks& lineMarks() const { return marks_; }

protected:
    JavaWriter() = default;

    /// Appends a method of the specification in its plain form, with its own
    /// modifier and body: its header maps to the header's line, its body to
    /// the lines it was copied from, its closing brace to the body's last line.
    void writeSpecificationMethod(const Method& method);
    /// Appends a method that Vastor makes for one of the specification
    /// (write() appends it to text_): every line of it maps to headerLine,
    /// the line of that method's header.
    template <typename Write>
    void writeMadeFor(int headerLine, Write write) {
        marks_.fixed(text_.size(), headerLine);
        write();
        marks_.none(text_.size());
    }

    std::string text_;
    TextRoom room_;
    LineMarks marks_;
};

}  // namespace vastor
