#pragma once

#include <cstdint>
#include <vector>

// A fixed-length array of 32-bit integers, indexed from 0.
class IntArray {
public:
    explicit IntArray(int count);

    // Out-of-range indices read 0 and are not written.
    std::int32_t GetValue(int index) const;
    void SetValue(int index, std::int32_t value);
    void Clear();
    int Count() const { return static_cast<int>(values_.size()); }

private:
    std::vector<std::int32_t> values_;
};
