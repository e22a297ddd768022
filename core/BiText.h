#pragma once

#include "core/Lang.h"

namespace core {

// A text in both languages, both UTF-8; an edition that shows it in English only gives the
// English twice.
struct BiText {
    const char* russian;
    const char* english;

    const char* operator()(Lang lang) const { return lang == Lang::Russian ? russian : english; }
};

} // namespace core
