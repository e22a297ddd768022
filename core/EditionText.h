#pragma once

#include "core/Lang.h"

#include <string>

namespace core {

// One text of an edition table in both languages (UTF-8).
struct EditionText {
    const char* russian;
    const char* english;

    std::string operator()(Lang lang) const { return Tr(lang, russian, english); }
};

} // namespace core
