#pragma once

namespace core {

enum class Lang { English, Russian };

// Picks the text of the language in use; both texts are UTF-8.
inline const char* Tr(Lang lang, const char* russian, const char* english) {
    return lang == Lang::Russian ? russian : english;
}

} // namespace core
