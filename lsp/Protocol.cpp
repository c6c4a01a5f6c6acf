#include "lsp/Protocol.h"

#include <limits>

namespace lsp {

namespace {

bool hasType(const Json& value, Json::value_t type) {
    if (type == Json::value_t::number_integer) return value.is_number_integer();  // signed or unsigned
    return value.type() == type;
}

long numberFrom(const Json& value) {
    if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        return number > static_cast<std::uint64_t>(std::numeric_limits<long>::max()) ? std::numeric_limits<long>::max()
                                                                                     : static_cast<long>(number);
    }
    const auto number = value.get<std::int64_t>();
    if (number < 0) throw ResponseError(errorCode::invalidParams, "a position holds a negative number");
    return number > std::numeric_limits<long>::max() ? std::numeric_limits<long>::max() : static_cast<long>(number);
}

}  // namespace

const Json& requireMember(const Json& object, std::string_view key, Json::value_t type) {
    if (const Json* member = optionalMember(object, key, type)) return *member;
    throw ResponseError(errorCode::invalidParams, "missing or mistyped member \"" + std::string(key) + '"');
}

const std::string& requireString(const Json& object, std::string_view key) {
    return requireMember(object, key, Json::value_t::string).get_ref<const std::string&>();
}

const Json* optionalMember(const Json& object, std::string_view key, Json::value_t type) {
    if (!object.is_object()) return nullptr;
    const auto found = object.find(key);
    if (found == object.end() || !hasType(*found, type)) return nullptr;
    return &*found;
}

const std::string& documentUri(const Json& params) {
    return requireString(requireMember(params, "textDocument", Json::value_t::object), "uri");
}

Position positionFrom(const Json& position) {
    return {numberFrom(requireMember(position, "line", Json::value_t::number_integer)),
            numberFrom(requireMember(position, "character", Json::value_t::number_integer))};
}

Json toJson(Position position) { return {{"line", position.line}, {"character", position.character}}; }

Json rangeJson(const LineIndex& lines, Span span) {
    return {{"start", toJson(lines.position(span.begin))}, {"end", toJson(lines.position(span.end))}};
}

Json locationJson(const std::string& uri, const LineIndex& lines, Span span) {
    return {{"uri", uri}, {"range", rangeJson(lines, span)}};
}

}  // namespace lsp
