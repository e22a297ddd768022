#include "core/SeriesPages.h"

#include "core/DrawStore.h"

#include <algorithm>

namespace core {

SeriesPages::SeriesPages() : SeriesValues(MaxDraws + 1, 0) {}

void SeriesPages::Fill(const std::vector<std::int32_t>& values) {
    std::fill(SeriesValues.begin(), SeriesValues.end(), 0);
    SeriesCount = std::min(static_cast<int>(values.size()), MaxDraws);
    std::copy_n(values.begin(), SeriesCount, SeriesValues.begin() + 1);
    // The last page that holds a value: at a multiple of 100 draws, count div 100 x 100 would
    // open an empty page past the newest draw.
    SeriesFirst = SeriesCount > 0 ? (SeriesCount - 1) / PageSize * PageSize : 0;
}

void SeriesPages::Left() {
    if (SeriesFirst > 0) SeriesFirst -= PageSize;
}

void SeriesPages::Right() {
    if (SeriesFirst < SeriesCount - PageSize) SeriesFirst += PageSize;
}

std::vector<SeriesPages::Point> SeriesPages::PagePoints() const {
    std::vector<Point> points;
    const int last = std::min(SeriesCount, SeriesFirst + PageSize);
    for (int k = SeriesFirst + 1; k <= last; ++k)
        points.push_back({k - SeriesFirst, SeriesValues[k]});
    return points;
}

} // namespace core
