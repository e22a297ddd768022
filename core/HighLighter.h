#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// The most numbers the HighLighter's set holds.
inline constexpr int HighlightCapacity = 100;

// Characters that end a word while painting: ASCII punctuation and the blank, and the
// letters that sit on those codes in code page 1251 (the old text files still carry them).
bool IsSeparatorChar(char32_t c);

// One painted piece of a line: a run of separators, then a word; the word is red when it
// is all digits and its value is in the set. A line's trailing separators come last, with
// an empty word.
struct HighlightToken {
    std::string separators;
    std::string word;
    bool highlighted = false;
};

std::vector<HighlightToken> HighlightTokens(std::string_view line,
                                            const std::vector<std::uint8_t>& set);

// The edit's text with every character other than "0".."9" turned into one blank (one per
// character, not per UTF-8 byte).
std::string DigitsAndBlanks(std::string_view text);

// The set of numbers of the edit: its digit runs in order, at most HighlightCapacity of them.
// A number above 255 does not fit the set and is left out.
std::vector<std::uint8_t> HighlightNumberList(std::string_view text);

// The Execute command on the memo's lines with the given set: the lines kept and annotated
// with their count of hits, the table of counts and the lines grouped by that count.
std::vector<std::string> HighlighterExecute(const std::vector<std::string>& lines,
                                            const std::vector<std::uint8_t>& set);

} // namespace core
