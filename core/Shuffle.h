#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// The program's pseudo-random generator: Next(n) gives 0..n-1.
class RandomGenerator {
public:
    void Seed(std::uint32_t seed) { engine_.seed(seed); }
    int Next(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

private:
    std::mt19937 engine_;
};

// The words of a shuffle text: runs of blanks count as one, a blank ends every word, and a
// final blank is implied, so a leading blank makes an empty first word. Empty text: none.
std::vector<std::string> ShuffleWords(std::string_view text);

// A permutation of 1..n drawn by rejection: a pick is taken when it is not yet taken.
std::vector<int> RandomPermutation(int n, RandomGenerator& random);

// The words in a random order, each followed by a blank.
std::string ShuffleText(std::string_view text, RandomGenerator& random);

} // namespace core
