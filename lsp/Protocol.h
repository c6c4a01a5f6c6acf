#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "lsp/Json.h"
#include "lsp/LineIndex.h"

namespace lsp {

/// The protocol's error codes that this server answers with.
namespace errorCode {
inline constexpr int parseError = -32700;
inline constexpr int invalidRequest = -32600;
inline constexpr int methodNotFound = -32601;
inline constexpr int invalidParams = -32602;
inline constexpr int internalError = -32603;
inline constexpr int serverNotInitialized = -32002;
inline constexpr int requestCancelled = -32800;
inline constexpr int contentModified = -32801;
}  // namespace errorCode

/// Raised by a request's handler: the request is answered with this error.
class ResponseError : public std::runtime_error {
public:
    ResponseError(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

/// The member `key` of an object, which must be there with the given type;
/// raises an invalid-params ResponseError otherwise.
const Json& requireMember(const Json& object, std::string_view key, Json::value_t type);
/// The same for a string member.
const std::string& requireString(const Json& object, std::string_view key);
/// The member `key` if it is there with the given type, else null.
const Json* optionalMember(const Json& object, std::string_view key, Json::value_t type);

/// params.textDocument.uri
const std::string& documentUri(const Json& params);
/// A protocol position object ({"line", "character"}), non-negative numbers.
Position positionFrom(const Json& position);

Json toJson(Position position);
Json rangeJson(const LineIndex& lines, Span span);
Json locationJson(const std::string& uri, const LineIndex& lines, Span span);

}  // namespace lsp
