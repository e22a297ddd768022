#pragma once

#include "core/Lang.h"

#include <array>
#include <concepts>
#include <span>
#include <string>
#include <string_view>

namespace core {

// The places a form holds: bit k set for %(k+1). A '%' before anything but 1..9 is a percent
// sign.
constexpr unsigned FormPlaces(std::string_view form) {
    unsigned places = 0;
    for (std::size_t i = 0; i + 1 < form.size(); ++i)
        if (form[i] == '%' && form[i + 1] >= '1' && form[i + 1] <= '9') {
            places |= 1u << (form[i + 1] - '1');
            ++i;
        }
    return places;
}

// A form fills when it uses every place from %1 to its highest, and both languages of a
// sentence fill from the same values.
constexpr bool SamePlaces(std::string_view russian, std::string_view english) {
    const unsigned places = FormPlaces(russian);
    return places == FormPlaces(english) && (places & (places + 1)) == 0;
}

// The form with %1..%9 replaced by values[0..8], in one pass: a value is never read as a
// form. A place without a value, or a value without a place, is a fault in the program
// (std::invalid_argument).
std::string FillForm(std::string_view form, std::span<const std::string_view> values);

// A text with values in it, one whole sentence per language with numbered places, so that a
// translation moves a value where its grammar wants it and no sentence is ever glued from
// pieces of two languages. Both languages must hold the same places, or it does not compile.
struct Sentence {
    consteval Sentence(const char* ru, const char* en) : russian(ru), english(en) {
        if (!SamePlaces(ru, en)) throw "a sentence's languages hold different places";
    }

    const char* russian;
    const char* english;

    const char* Form(Lang lang) const { return lang == Lang::Russian ? russian : english; }

    // Whole numbers are written in decimal; texts stand as they are.
    template <class... Values> std::string operator()(Lang lang, const Values&... values) const {
        const std::array<std::string, sizeof...(Values)> texts{Text(values)...};
        std::array<std::string_view, sizeof...(Values)> views;
        for (std::size_t k = 0; k < texts.size(); ++k) views[k] = texts[k];
        return FillForm(Form(lang), views);
    }

private:
    static std::string Text(std::string_view text) { return std::string(text); }
    static std::string Text(std::integral auto n) { return std::to_string(n); }
};

} // namespace core
