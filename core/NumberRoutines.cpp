#include "core/NumberRoutines.h"

#include "core/NumberWriter.h"
#include "core/Sentence.h"

#include <algorithm>

namespace core {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string DigitsOnly(std::string_view text) {
    std::string out;
    for (char c : text)
        if (IsDigit(c)) out += c;
    return out;
}

} // namespace

std::vector<std::string_view> DigitTokens(std::string_view text) {
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && !IsDigit(text[i])) ++i;
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        if (i > start) tokens.push_back(text.substr(start, i - start));
    }
    return tokens;
}

std::int32_t StrToInt(std::string_view digits) {
    if (digits.empty()) throw ConversionError(std::string(digits));
    long long v = 0;
    for (char c : digits) {
        if (!IsDigit(c)) throw ConversionError(std::string(digits));
        v = v * 10 + (c - '0');
        if (v > 2147483647LL) throw ConversionError(std::string(digits));
    }
    return static_cast<std::int32_t>(v);
}

void ParseNumbers(std::string_view text, std::uint8_t* numbers, int capacity) {
    std::fill(numbers, numbers + capacity, std::uint8_t{0});
    int k = 0;
    for (auto token : DigitTokens(text)) {
        const auto v = StrToInt(token);
        if (k < capacity) numbers[k++] = static_cast<std::uint8_t>(v & 0xFF);
    }
}

std::string NumbersToText(const std::uint8_t* numbers, bool pad, std::string_view separator,
                          int count, int pool) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += separator;
        text += pad ? ZeroPad(numbers[i], pool) : std::to_string(numbers[i]);
    }
    return text;
}

bool HasNumber(int value, const std::uint8_t* numbers, int count) {
    for (int i = 0; i < count; ++i)
        if (numbers[i] == value) return true;
    return false;
}

void SortNumbers(std::uint8_t* numbers, int count) {
    // Stable and tiny: a draw holds six numbers.
    std::stable_sort(numbers, numbers + std::max(count, 0));
}

namespace {

template <class Before>
void SortWithPartners(std::int32_t* keys, std::int32_t* partners, int count, Before before) {
    // Insertion sort: stable like the neighbour-swapping sort it replaces, with the same
    // result, and quick on the 45-entry tables it mostly sees.
    for (int i = 1; i < count; ++i) {
        const auto k = keys[i];
        const auto p = partners[i];
        int j = i - 1;
        while (j >= 0 && before(k, keys[j])) {
            keys[j + 1] = keys[j];
            partners[j + 1] = partners[j];
            --j;
        }
        keys[j + 1] = k;
        partners[j + 1] = p;
    }
}

} // namespace

void SortByKeyDesc(std::int32_t* keys, std::int32_t* partners, int count) {
    SortWithPartners(keys, partners, count, [](auto a, auto b) { return a > b; });
}

void SortByKeyAsc(std::int32_t* keys, int count, std::int32_t* partners) {
    SortWithPartners(keys, partners, count, [](auto a, auto b) { return a < b; });
}

std::string RowNumbersText(const std::vector<std::string>& cells) {
    std::string text;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) text += ' ';
        text += cells[i];
    }
    return text;
}

std::int32_t AskNumberAnswer(std::string_view answer, std::int32_t def) {
    const std::string digits = DigitsOnly(answer);
    if (digits.empty()) return def;
    try {
        return StrToInt(digits);
    } catch (const ConversionError&) {
        return def;
    }
}

int LastNAnswer(std::string_view answer, int drawCount, LastNVariant variant) {
    const int fallback = variant == LastNVariant::FreqAnalyse ? 15 : 20;
    const std::string digits = DigitsOnly(answer);
    int n = digits.empty() ? fallback : StrToInt(digits);
    if (n > drawCount) n = fallback;
    if (variant == LastNVariant::Standard && n < 1) n = 1;
    return std::min(n, std::max(drawCount, 0));
}

std::string LastNPrompt(int drawCount, Lang lang) {
    return Sentence{"Введите число последних тиражей [1..%1]",
                    "Enter number of last draws 1..%1"}(lang, drawCount);
}

} // namespace core
