#pragma once

// The histogram of integer bins drawn on an image.
class TIntHistogramm {
public:
    TIntHistogramm() = default;
};
