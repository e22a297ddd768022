#pragma once

#include "core/Lang.h"

namespace core {

// A text in both languages; an edition that shows it in English only gives the English twice.
struct BiText {
    const char* russian;
    const char* english;

    const char* operator()(Lang lang) const { return Tr(lang, russian, english); }
};

} // namespace core
