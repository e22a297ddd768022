#pragma once

#include "components/chart/VArrays.h"

#include <cstdint>
#include <string>

class TImage;

// A bar histogram of integer bins drawn on an image, with a dotted value scale, a label over
// each bar and two outer bars for the counts below and above the range. The owner writes the
// bin counts into hv.
class TIntHistogramm {
public:
    TIntHistogramm(int count, int lower, int upper, TImage* image);

    int Count;
    int LowerBound;
    int UpperBound;
    std::int32_t AboveCount = 0;
    std::int32_t BelowCount = 0;
    TImage* TargetImage;
    bool ShowOuterBins = true;
    int FirstLabel = 1;
    IntArray hv;

    std::int32_t MaxValue() const;
    void Clear();
    void Draw();
    // The text over bin i: one-digit positions are padded to the width of two digits.
    std::string BinLabel(int i) const;
};
