#include "core/Sentence.h"

#include <stdexcept>

namespace core {

std::string FillForm(std::string_view form, std::span<const std::string_view> values) {
    std::string out;
    out.reserve(form.size() + 16 * values.size());
    unsigned used = 0;
    for (std::size_t i = 0; i < form.size(); ++i) {
        const char c = form[i];
        if (c != '%' || i + 1 == form.size() || form[i + 1] < '1' || form[i + 1] > '9') {
            out += c;
            continue;
        }
        const std::size_t k = static_cast<std::size_t>(form[++i] - '1');
        if (k >= values.size())
            throw std::invalid_argument("no value for %" + std::to_string(k + 1) + " in \"" +
                                        std::string(form) + "\"");
        out += values[k];
        used |= 1u << k;
    }
    if (values.size() > 9 || used != (1u << values.size()) - 1)
        throw std::invalid_argument("a value without a place in \"" + std::string(form) + "\"");
    return out;
}

} // namespace core
