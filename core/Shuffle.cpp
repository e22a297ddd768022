#include "core/Shuffle.h"

#include <algorithm>

namespace core {

std::vector<std::string> ShuffleWords(std::string_view text) {
    std::vector<std::string> words;
    if (text.empty()) return words;
    std::string current;
    bool afterBlank = false;
    for (char c : text) {
        if (c == ' ') {
            if (!afterBlank) words.push_back(std::move(current));
            current.clear();
            afterBlank = true;
        } else {
            current += c;
            afterBlank = false;
        }
    }
    if (!afterBlank) words.push_back(std::move(current));
    return words;
}

std::vector<int> RandomPermutation(int n, RandomGenerator& random) {
    std::vector<int> picks;
    std::vector<bool> used(static_cast<std::size_t>(std::max(n, 0)) + 1, false);
    while (static_cast<int>(picks.size()) < n) {
        const int r = random.Next(n) + 1;
        if (used[r]) continue;
        used[r] = true;
        picks.push_back(r);
    }
    return picks;
}

std::string ShuffleText(std::string_view text, RandomGenerator& random) {
    const auto words = ShuffleWords(text);
    std::string out;
    for (int p : RandomPermutation(static_cast<int>(words.size()), random))
        out += words[p - 1] + " ";
    return out;
}

} // namespace core
