#pragma once

#include "core/Lang.h"

namespace core {

// One text of an edition table in both languages; an edition that keeps a text English in
// both languages gives the English text twice.
struct Bilingual {
    const char* russian;
    const char* english;

    const char* In(Lang lang) const { return Tr(lang, russian, english); }
};

} // namespace core
