#pragma once

#include "core/Lang.h"
#include "core/NumberWriter.h" // ZeroPad and the other number texts

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// A text that does not convert to a 32-bit integer; the message is what the user is shown.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& text)
        : std::runtime_error("'" + text + "' is not a valid integer value") {}
};

// The runs of digits in text, in order: every other character separates.
std::vector<std::string_view> DigitTokens(std::string_view text);

// Decimal digits only (no sign); throws ConversionError when empty or beyond 32 bits.
std::int32_t StrToInt(std::string_view digits);

// Fills numbers[0..capacity) from the numbers found in text (low 8 bits of each), the rest 0.
void ParseNumbers(std::string_view text, std::uint8_t* numbers, int capacity);

// The first count numbers joined by separator; Pad writes them two digits wide against pool.
std::string NumbersToText(const std::uint8_t* numbers, bool pad, std::string_view separator,
                          int count, int pool);

bool HasNumber(int value, const std::uint8_t* numbers, int count);

void SortNumbers(std::uint8_t* numbers, int count);

// Stable sorts of keys, the partners moving along with their keys.
void SortByKeyDesc(std::int32_t* keys, std::int32_t* partners, int count);
void SortByKeyAsc(std::int32_t* keys, int count, std::int32_t* partners);

// Cells A1..A6 of a grid row joined by single blanks; empty cells give empty pieces.
std::string RowNumbersText(const std::vector<std::string>& cells);

// The answer rule of the integer prompt: non-digits dropped, unusable answers give def.
std::int32_t AskNumberAnswer(std::string_view answer, std::int32_t def);

enum class LastNVariant {
    Standard,         // empty or too large -> 20, below 1 -> 1
    FreqAnalyse,      // empty or too large -> 15, no lower bound
    StandardFromZero, // empty or too large -> 20, no lower bound
};

// The last-N answer rule, kept within 0..drawCount so no command reads unloaded records.
// Throws ConversionError for a number beyond 32 bits.
int LastNAnswer(std::string_view answer, int drawCount,
                LastNVariant variant = LastNVariant::Standard);

// The last-N prompt text.
std::string LastNPrompt(int drawCount, Lang lang);

} // namespace core
