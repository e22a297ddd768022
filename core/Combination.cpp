#include "core/Combination.h"

#include "core/Game.h"
#include "core/NumberRoutines.h"

#include <stdexcept>

namespace core {

CombinationRank CombinationRankInput(std::string_view text, long long largest) {
    const std::size_t width = std::to_string(largest).size();
    std::string digits;
    for (char c : text)
        if (c >= '0' && c <= '9') digits += c;
    if (digits.size() > width) digits.resize(width);
    if (digits.empty()) return {std::to_string(largest), largest};
    const long long v = std::stoll(digits);
    if (v > largest) return {std::to_string(largest), largest};
    if (v == 0) return {"1", 1};
    return {digits, v};
}

std::vector<int> CombinationByRank(long long rank, int pool, int count) {
    if (count < 0 || count > pool || rank < 1 || rank > Binomial(pool, count))
        throw std::out_of_range("combination rank");
    // Skip whole blocks of combinations that start with a smaller number at each place.
    std::vector<int> numbers;
    long long left = rank - 1;
    int next = 1;
    for (int place = 0; place < count; ++place) {
        for (;; ++next) {
            const long long block = Binomial(pool - next, count - place - 1);
            if (left < block) break;
            left -= block;
        }
        numbers.push_back(next++);
    }
    return numbers;
}

std::string CombinationText(const std::vector<int>& numbers, int pool) {
    std::string text;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) text += ' ';
        text += ZeroPad(numbers[i], pool);
    }
    return text;
}

} // namespace core
