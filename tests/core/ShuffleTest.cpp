#include "core/Shuffle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace {

TEST(Shuffle, WordsFollowTheBlankRules) {
    struct Case {
        const char* text;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a b c", {"a", "b", "c"}},
        {"a  b   c ", {"a", "b", "c"}},
        {" a b", {"", "a", "b"}},
        {" ", {""}},
    };
    for (const auto& c : cases) EXPECT_EQ(core::ShuffleWords(c.text), c.words) << c.text;
}

TEST(Shuffle, RandomPermutationIsAPermutation) {
    core::RandomGenerator random;
    for (int seed : {1, 2, 3}) {
        random.Seed(seed);
        for (int n : {0, 1, 2, 7, 255, 300}) {
            auto p = core::RandomPermutation(n, random);
            std::vector<int> expected(n);
            std::iota(expected.begin(), expected.end(), 1);
            std::sort(p.begin(), p.end());
            EXPECT_EQ(p, expected) << n;
        }
    }
}

TEST(Shuffle, SameSeedSameOrderAndEveryOrderOccurs) {
    core::RandomGenerator a, b;
    a.Seed(42);
    b.Seed(42);
    EXPECT_EQ(core::ShuffleText("1 2 3 4 5 6 7 8", a), core::ShuffleText("1 2 3 4 5 6 7 8", b));
    std::set<std::string> seen;
    for (int i = 0; i < 200; ++i) seen.insert(core::ShuffleText("a b c", a));
    EXPECT_EQ(seen.size(), 6u);
    for (const auto& s : seen) {
        auto words = core::ShuffleWords(s);
        std::sort(words.begin(), words.end());
        EXPECT_EQ(words, (std::vector<std::string>{"a", "b", "c"}));
        EXPECT_EQ(s.back(), ' ');
        EXPECT_EQ(s.size(), 6u);
    }
    EXPECT_EQ(core::ShuffleText("", a), "");
}

} // namespace
