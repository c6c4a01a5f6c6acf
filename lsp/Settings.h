#pragma once

#include <chrono>
#include <string>

#include "lsp/Json.h"

namespace lsp {

/// What the user can set, under "typetools" in the client's settings or
/// initialization options:
///   checkOnSave        run javac on Type.java, or byacc/J on the rewritten
///                      grammar, when a document is saved (default true;
///                      off in effect when the program is not found)
///   javac, byaccj      the programs (default: found on PATH)
///   apiSources         the folder of the Java API's sources that Type.java
///                      compiles against (default: the installed ones)
///   diagnosticsDelay   milliseconds without a change before a document is
///                      checked (default 0: as soon as the changes that
///                      have arrived are applied)
struct Settings {
    bool checkOnSave = true;
    std::string javac;
    std::string byaccj;
    std::string apiSources;
    std::chrono::milliseconds diagnosticsDelay{0};

    /// Takes the values present in `values` ({"typetools": {...}} or the
    /// inner object itself); mistyped values are left as they were.
    void update(const Json& values);
};

}  // namespace lsp
