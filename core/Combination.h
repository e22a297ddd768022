#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace core {

// The rank lookup's input as the edit shows it after a click, and the rank it stands for.
struct CombinationRank {
    std::string text;
    long long rank;
};

// Non-digits and blanks go, the rest is cut to as many digits as the largest rank has; no
// number or one above the largest gives the largest, 0 gives 1.
CombinationRank CombinationRankInput(std::string_view text, long long largest);

// The rank-th (1-based) combination of count numbers out of 1..pool in lexicographic order;
// rank within 1..C(pool, count).
std::vector<int> CombinationByRank(long long rank, int pool, int count);

// The numbers two digits wide, separated by single blanks.
std::string CombinationText(const std::vector<int>& numbers, int pool);

} // namespace core
