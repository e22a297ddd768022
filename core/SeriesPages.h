#pragma once

#include <cstdint>
#include <vector>

namespace core {

// A series over every draw, shown a page of 100 points at a time: page point p is the value
// of draw number SeriesFirst + p.
class SeriesPages {
public:
    static constexpr int PageSize = 100;

    SeriesPages();

    // values[d - 1] is the value of draw number d. Every earlier value is cleared first, and
    // the newest page that holds a value is opened.
    void Fill(const std::vector<std::int32_t>& values);
    // One page back (older) or on (newer); both stop at the ends.
    void Left();
    void Right();

    struct Point {
        int point; // 1..100
        std::int32_t value;
        bool operator==(const Point&) const = default;
    };
    std::vector<Point> PagePoints() const;

    // Index = draw number; index 0 is never filled.
    std::vector<std::int32_t> SeriesValues;
    int SeriesCount = 0;
    int SeriesFirst = 0; // the draw before the page's first, a multiple of 100
};

} // namespace core
