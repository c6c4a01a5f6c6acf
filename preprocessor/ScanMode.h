#pragma once

#include "common/StopSet.h"
#include "preprocessor/PreprocessorScanner.h"

namespace perlan {

/// One way of scanning the grammar, chosen by the parser for the part of the
/// file it stands in. Every mode copies all it reads; they differ in which
/// tokens they report. Holds the character routines that the modes share.
class ScanMode {
public:
    explicit ScanMode(PreprocessorScanner& scanner) : scanner_(scanner) {}
    ScanMode(const ScanMode&) = delete;
    ScanMode& operator=(const ScanMode&) = delete;

    /// Reads on, copying, up to the next token that matters in this mode and returns it.
    virtual int scan() = 0;
    virtual ~ScanMode() = default;

protected:
    /// The next token outside literals and comments: a "%" marker, a
    /// non-blank character or END_OF_INPUT. Literals and comments are copied
    /// whole. Bytes not in `stops` are copied without a look: `stops` must
    /// hold the quotes, "/" and "%" and every character token the caller reports,
    /// and no blank, so that what it skips are blanks and tokens the caller
    /// would pass over, and every stop is a token or starts one.
    int nextToken(const common::StopSet& stops);
    /// After a "/" was copied: copies a comment that follows, or puts the byte
    /// back. In an action a "/*" may open a typechecking block instead.
    void skipAfterSlash(bool inAction);
    /// Copies a quoted literal up to its closing `quote`; the opening one was copied.
    void skipLiteral(int quote);
    /// Copies a "//" comment up to and including its line feed; "//" was copied.
    void skipLineComment();
    /// Copies a "/*" comment up to and including "*/"; "/*" was copied.
    void skipBlockComment();
    /// Entered in an action after "/*" was copied: rewrites a typechecking
    /// block "/*< ... >*/" into a try block, or copies an ordinary comment.
    void scanTypechecking();

    PreprocessorScanner& scanner_;
};

}  // namespace perlan
