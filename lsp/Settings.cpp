#include "lsp/Settings.h"

#include <algorithm>

namespace lsp {

void Settings::update(const Json& values) {
    if (!values.is_object()) return;
    const auto inner = values.find("typetools");
    const Json& settings = inner != values.end() && inner->is_object() ? *inner : values;
    const auto take = [&](const char* key, std::string& into) {
        const auto found = settings.find(key);
        if (found != settings.end() && found->is_string()) into = found->get<std::string>();
    };
    if (const auto found = settings.find("checkOnSave"); found != settings.end() && found->is_boolean())
        checkOnSave = found->get<bool>();
    take("javac", javac);
    take("byaccj", byaccj);
    take("apiSources", apiSources);
    if (const auto found = settings.find("diagnosticsDelay"); found != settings.end() && found->is_number()) {
        double delay = found->get<double>();
        delay = delay > 0 ? std::min(delay, 10000.0) : 0.0;
        diagnosticsDelay = std::chrono::milliseconds(static_cast<long>(delay));
    }
}

}  // namespace lsp
