#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// A reusable buffer for one result line: the long lines of the pair commands are put
// together from prepared pieces here and copied out once at their final size.
class LineBuilder {
public:
    void Clear() { size_ = 0; }
    void Append(std::string_view piece) {
        if (size_ + piece.size() > buffer_.size())
            buffer_.resize(std::max(buffer_.size() * 2, size_ + piece.size() + 256));
        std::memcpy(buffer_.data() + size_, piece.data(), piece.size());
        size_ += piece.size();
    }
    std::size_t Size() const { return size_; }
    std::string Str() const { return std::string(buffer_.data(), size_); }
    std::string_view View() const { return std::string_view(buffer_.data(), size_); }

private:
    std::vector<char> buffer_;
    std::size_t size_ = 0;
};

// Texts of the numbers 0..max, made once for the commands that write them thousands of times.
class NumberTexts {
public:
    template <class MakeText> NumberTexts(int max, MakeText make) {
        texts_.reserve(max + 1);
        for (int n = 0; n <= max; ++n) texts_.push_back(make(n));
    }
    std::string_view operator[](int n) const { return texts_[n]; }

private:
    std::vector<std::string> texts_;
};

} // namespace core
