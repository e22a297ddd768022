#include "core/NumberLists.h"

#include "core/NumberRoutines.h"

#include <algorithm>

namespace core {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of a digit token, or -1 when it lies above limit (also one beyond 32 bits).
long long TokenValue(std::string_view token, long long limit) {
    long long v = 0;
    for (char c : token) {
        v = v * 10 + (c - '0');
        if (v > limit) return -1;
    }
    return v;
}

} // namespace

std::vector<int> ParseNumberList(std::string_view text, int limit, int pool) {
    std::vector<int> numbers;
    for (auto token : DigitTokens(text)) {
        if (static_cast<int>(numbers.size()) >= limit) break;
        const long long v = TokenValue(token, pool);
        if (v >= 1) numbers.push_back(static_cast<int>(v));
    }
    return numbers;
}

std::string ListText(const std::vector<int>& numbers, int pool) {
    std::string text;
    for (int n : numbers)
        if (n != 0) text += ZeroPad(n, pool) + " ";
    return text;
}

int CountBlanks(std::string_view text) {
    return static_cast<int>(std::count(text.begin(), text.end(), ' '));
}

std::vector<int> RemoveFromPool(std::string_view list, int pool) {
    const auto removed = ParseNumberList(list, pool, pool);
    std::vector<int> rest;
    for (int n = 1; n <= pool; ++n)
        if (std::find(removed.begin(), removed.end(), n) == removed.end()) rest.push_back(n);
    return rest;
}

std::vector<int> CombineLists(std::string_view first, std::string_view second, int pool) {
    const int slots = 2 * pool;
    const auto l1 = ParseNumberList(first, slots, pool);
    const auto l2 = ParseNumberList(second, slots, pool);
    // The first list keeps its place whole, also when it fills every slot.
    std::vector<int> merged(slots, 0);
    std::copy(l1.begin(), l1.end(), merged.begin());
    const std::size_t k = l1.size();
    for (std::size_t i = 0; i < l2.size(); ++i) {
        if (std::find(l1.begin(), l1.end(), l2[i]) != l1.end()) continue;
        if (k + i < merged.size()) merged[k + i] = l2[i];
    }
    std::vector<int> result;
    for (int n : merged)
        if (n != 0 && std::find(result.begin(), result.end(), n) == result.end())
            result.push_back(n);
    std::sort(result.begin(), result.end());
    return result;
}

std::string SortDrawLine(const std::string& line, const Game& game, bool ascending) {
    for (char c : line)
        if (c != ' ' && !IsDigit(c)) return line;
    const auto tokens = DigitTokens(line);
    if (static_cast<int>(tokens.size()) != game.perDraw) return line;
    std::vector<int> numbers;
    for (auto t : tokens) {
        const long long v = TokenValue(t, game.pool);
        if (v < 1) return line;
        numbers.push_back(static_cast<int>(v));
    }
    if (ascending)
        std::sort(numbers.begin(), numbers.end());
    else
        std::sort(numbers.begin(), numbers.end(), [](int a, int b) { return a > b; });
    std::string out;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) out += ' ';
        out += ZeroPad(numbers[i], game.pool);
    }
    return out;
}

std::string NonlinearClickText(std::string_view editText, const DrawStore& store, const Game& game,
                               int counter) {
    std::vector<int> numbers;
    for (int n : ParseNumberList(editText, 1000, game.pool))
        if (std::find(numbers.begin(), numbers.end(), n) == numbers.end()) numbers.push_back(n);
    std::string text = ListText(numbers, game.pool);
    const int total = std::max(store.DrawCount, 0) * game.perDraw;
    int value = 0;
    if (counter >= 0 && counter < total)
        value = store[counter / game.perDraw][counter % game.perDraw];
    return text + std::to_string(value) + " ";
}

int NextNonlinearCounter(int counter, int drawCount, int perDraw) {
    const long long next = static_cast<long long>(counter) + 1;
    return next >= static_cast<long long>(std::max(drawCount, 0)) * perDraw
               ? 0
               : static_cast<int>(next);
}

} // namespace core
