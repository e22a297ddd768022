#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace core {

inline constexpr int MaxDraws = 10000;
inline constexpr int MaxPerDraw = 6;

// One draw: its numbers ascending, one byte each; the 5-of-36 edition uses the first five.
using Draw = std::array<std::uint8_t, MaxPerDraw>;

// The fixed table of draws, index 0 the newest. A load overwrites the first records and
// leaves the rest as they were, as the draw number shown is DrawCount - index.
class DrawStore {
public:
    DrawStore() : records_(MaxDraws, Draw{}) {}

    int DrawCount = 0;

    void GetDraw(Draw& dest, int index) const { dest = records_.at(index); }
    void PutDraw(const Draw& src, int index) { records_.at(index) = src; }
    const Draw& operator[](int index) const { return records_[index]; }
    // A copy of the loaded draws, newest first: what a result keeps to make its lines later.
    std::vector<Draw> Loaded() const {
        return {records_.begin(), records_.begin() + std::clamp(DrawCount, 0, MaxDraws)};
    }
    void Clear() {
        records_.assign(MaxDraws, Draw{});
        DrawCount = 0;
    }

private:
    std::vector<Draw> records_;
};

} // namespace core
