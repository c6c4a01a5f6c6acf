#include "typecompiler/generator/JavaWriter.h"

#include <algorithm>
#include <climits>

#include "common/LineFeeds.h"
#include "typecompiler/model/Method.h"

namespace vastor {

void JavaWriter::writeSpecificationMethod(const Method& method) {
    if (!marks_.enabled()) return method.writeAsMethod(text_, method.modifier(), method.body());
    const std::string& body = method.body();
    marks_.fixed(text_.size(), method.headerLine());
    method.writeHead(text_, method.modifier());
    marks_.copy(text_.size(), method.bodyLine());
    text_ += body;
    // The tail's first line feed ends the body's last line, the line of the
    // brace that closed it; the closing brace written next maps there too.
    const long long lastLine =
        method.bodyLine() + static_cast<long long>(common::countLineFeeds(body.data(), body.data() + body.size()));
    marks_.fixed(text_.size() + 1,
                 method.bodyLine() > 0 ? static_cast<int>(std::min<long long>(lastLine, INT_MAX)) : 0);
    Method::writeTail(text_);
    marks_.none(text_.size());
}

}  // namespace vastor
