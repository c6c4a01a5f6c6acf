#include "typecompiler/scanner/EmbeddedCodeState.h"

#include "common/Exception.h"
#include "typecompiler/VastorMessages.h"
#include "typecompiler/scanner/TokenKinds.h"

namespace vastor {

namespace {

// Bytes that may end the block or start a string or comment; runs of other bytes are taken at once.
constexpr common::StopSet codeStops("\"%/");

}  // namespace

int EmbeddedCodeState::nextToken() {
    std::string block;
    for (;;) {
        appendRun(block, codeStops);
        const int c = readInto(&block);
        bool complete = c != endOfInput;
        if (c == '"') {
            complete = skipLiteral(block, '"');
        } else if (c == '/') {
            complete = skipAfterSlash(&block);  // the character after a lone slash is not examined
        } else if (c == '%') {
            const int next = readInto(&block);
            if (next == '}') {
                block.resize(block.size() - 2);  // drop the closing "%}"
                setText(std::move(block));
                return EMBEDDED_CODE;
            }
            complete = next != endOfInput;  // not examined: "%%}" does not end the block
        }
        if (!complete) throw common::LexicalError(line(), messages::endOfInputInEmbeddedCode);
    }
}

}  // namespace vastor
