#pragma once

#include "core/DrawStore.h"

#include <cstdint>
#include <vector>

namespace core {

// The number of index pairs (i, j), i < na, j < nb, with a[i] == b[j]; for two draws, the
// count of numbers they share.
int CountCommon(const std::uint8_t* a, int na, const std::uint8_t* b, int nb);

// CountCommon between draws of a store, answered from a bit mask per draw (one popcount per
// pair). Draws that a mask cannot stand for exactly (a repeated number, a value above 63) are
// counted byte by byte, so every answer equals CountCommon.
class CommonCounts {
public:
    // The first drawCount draws of the store, perDraw numbers each.
    CommonCounts(const DrawStore& store, int drawCount, int perDraw);

    int operator()(int i, int j) const;
    // out[j - from] = CountCommon(draw i, draw j) for j in [from, to).
    void Row(int i, int from, int to, std::uint8_t* out) const;

private:
    const DrawStore& store_;
    int perDraw_;
    std::vector<std::uint64_t> masks_;
    std::vector<char> exact_;
    std::vector<int> inexact_; // ascending
};

} // namespace core
