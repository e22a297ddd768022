#include "components/chart/VArrays.h"

#include <algorithm>

IntArray::IntArray(int count) : values_(static_cast<std::size_t>(std::max(count, 0)), 0) {}

std::int32_t IntArray::GetValue(int index) const {
    if (index < 0 || index >= Count()) return 0;
    return values_[static_cast<std::size_t>(index)];
}

void IntArray::SetValue(int index, std::int32_t value) {
    if (index < 0 || index >= Count()) return;
    values_[static_cast<std::size_t>(index)] = value;
}

void IntArray::Clear() {
    std::fill(values_.begin(), values_.end(), 0);
}
