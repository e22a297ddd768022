#include "core/HighLighter.h"

#include <algorithm>
#include <array>

namespace core {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The code point starting at text[i] and its length in bytes; a malformed byte counts as
// one character of its own.
std::pair<char32_t, std::size_t> NextChar(std::string_view text, std::size_t i) {
    const auto b = static_cast<unsigned char>(text[i]);
    std::size_t len = 1;
    char32_t c = b;
    if (b >= 0xF0 && b < 0xF8) {
        len = 4;
        c = b & 0x07;
    } else if (b >= 0xE0) {
        len = 3;
        c = b & 0x0F;
    } else if (b >= 0xC0) {
        len = 2;
        c = b & 0x1F;
    }
    if (len == 1 || i + len > text.size()) return {b, 1};
    for (std::size_t k = 1; k < len; ++k) {
        const auto cont = static_cast<unsigned char>(text[i + k]);
        if ((cont & 0xC0) != 0x80) return {b, 1};
        c = (c << 6) | (cont & 0x3F);
    }
    return {c, len};
}

// A word's value for matching: all digits and within 32 bits, else none.
bool WordValue(std::string_view word, long long& value) {
    if (word.empty()) return false;
    value = 0;
    for (char c : word) {
        if (!IsDigit(c)) return false;
        value = value * 10 + (c - '0');
        if (value > 2147483647LL) return false;
    }
    return true;
}

bool InSet(long long value, const std::vector<std::uint8_t>& set) {
    return std::any_of(set.begin(), set.end(), [value](std::uint8_t n) { return n == value; });
}

std::string CollapseBlanks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (!(c == ' ' && !out.empty() && out.back() == ' ')) out += c;
    return out;
}

std::string Trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

// A memo line as Execute keeps it: the earlier annotation cut off, only digits and single
// blanks left, trimmed.
std::string CleanLine(std::string_view line) {
    line = line.substr(0, line.find('#'));
    return Trim(CollapseBlanks(DigitsAndBlanks(line)));
}

int Hits(std::string_view line, const std::vector<std::uint8_t>& set) {
    int hits = 0;
    std::size_t i = 0;
    while (i < line.size()) {
        const auto end = std::min(line.find(' ', i), line.size());
        long long v = 0;
        if (WordValue(line.substr(i, end - i), v) && InSet(v, set)) ++hits;
        i = end + 1;
    }
    return hits;
}

} // namespace

bool IsSeparatorChar(char32_t c) {
    switch (c) {
    case 32:
    case 33:
    case 34:
    case 37:
    case 58:
    case 59:
    case 61:
    case 63:
    case 91:
    case 92:
    case 93:
    case 94:
    case 96:
    case 123:
    case 125:
    case 0x040E: // 161 in code page 1251
    case 0x0401: // 168
    case 0x0404: // 170
    case 0x00B7: // 183
    case 0x0454: // 186
    case 0x0457: // 191
        return true;
    default:
        return c >= 39 && c <= 47;
    }
}

std::vector<HighlightToken> HighlightTokens(std::string_view line,
                                            const std::vector<std::uint8_t>& set) {
    std::vector<HighlightToken> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        HighlightToken t;
        while (i < line.size()) {
            const auto [c, len] = NextChar(line, i);
            if (!IsSeparatorChar(c)) break;
            t.separators.append(line.substr(i, len));
            i += len;
        }
        while (i < line.size()) {
            const auto [c, len] = NextChar(line, i);
            if (IsSeparatorChar(c)) break;
            t.word.append(line.substr(i, len));
            i += len;
        }
        long long v = 0;
        t.highlighted = WordValue(t.word, v) && InSet(v, set);
        tokens.push_back(std::move(t));
    }
    return tokens;
}

std::string DigitsAndBlanks(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto [c, len] = NextChar(text, i);
        out += (c >= '0' && c <= '9') ? static_cast<char>(c) : ' ';
        i += len;
    }
    return out;
}

std::vector<std::uint8_t> HighlightNumberList(std::string_view text) {
    std::vector<std::uint8_t> set;
    const std::string words = Trim(CollapseBlanks(DigitsAndBlanks(text)));
    std::size_t i = 0;
    while (i < words.size() && static_cast<int>(set.size()) < HighlightCapacity) {
        const auto end = std::min(words.find(' ', i), words.size());
        long long v = 0;
        if (WordValue(std::string_view(words).substr(i, end - i), v) && v <= 255)
            set.push_back(static_cast<std::uint8_t>(v));
        i = end + 1;
    }
    return set;
}

std::vector<std::string> HighlighterExecute(const std::vector<std::string>& lines,
                                            const std::vector<std::uint8_t>& set) {
    struct Line {
        std::string text;
        int hits;
    };
    std::vector<Line> kept;
    for (const auto& line : lines) {
        std::string clean = CleanLine(line);
        if (clean.empty()) continue;
        const int hits = Hits(clean, set);
        if (hits > 1) clean += "         # [" + std::to_string(hits) + "]";
        kept.push_back({std::move(clean), hits});
    }

    std::array<int, 6> times{};
    std::vector<std::string> out;
    for (const auto& l : kept) {
        out.push_back(l.text);
        if (l.hits > 1) ++times[std::min(l.hits, 5)];
    }
    out.insert(out.end(), {"", "", "    Matches   Times:"});
    for (int r = 2; r <= 4; ++r)
        if (times[r] > 0)
            out.push_back("# " + std::to_string(r) + ":" + std::string(15, ' ') +
                          std::to_string(times[r]));
    if (times[5] > 0) out.push_back("# >=5:" + std::string(11, ' ') + std::to_string(times[5]));

    // The lines are digits, blanks and the annotation, so byte order is the order a
    // case-insensitive text comparison gives them.
    std::vector<Line> sorted = kept;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Line& a, const Line& b) { return a.text < b.text; });
    out.insert(out.end(), {"", "", "Sorted:", ""});
    for (int g = 5; g >= 0; --g) {
        out.push_back("");
        out.push_back("# [" + std::to_string(g) + "]");
        for (const auto& l : sorted) {
            // Six hits and more belong to the ">=5" row, so they are listed with five.
            if (std::min(l.hits, 5) != g) continue;
            std::string shown = l.text;
            if (l.hits > 1) shown.resize(shown.rfind('#'));
            out.push_back("#    " + shown);
        }
    }
    return out;
}

} // namespace core
