#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace lsp {

using Json = nlohmann::json;

/// The JSON text of a message. Strings that are not well-formed UTF-8 (none
/// should reach here) come out with replacement characters instead of
/// stopping the server.
inline std::string dumpJson(const Json& value) { return value.dump(-1, ' ', false, Json::error_handler_t::replace); }

}  // namespace lsp
