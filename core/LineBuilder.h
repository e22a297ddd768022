#pragma once

#include "core/NumberWriter.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// A short text in a fixed slot, so it is copied with one constant-size move.
struct ShortText {
    static constexpr std::size_t Capacity = 16;
    std::array<char, Capacity> bytes{};
    std::size_t size = 0;
};

// A reusable buffer for one result line: the long lines of the pair commands are put
// together from prepared pieces here and copied out once at their final size.
class LineBuilder {
public:
    void Clear() { size_ = 0; }
    void Truncate(std::size_t size) { size_ = std::min(size, size_); }
    void Append(std::string_view piece) {
        Reserve(piece.size());
        std::memcpy(buffer_.data() + size_, piece.data(), piece.size());
        size_ += piece.size();
    }
    void Append(const ShortText& piece) {
        // The whole slot is copied; only its text counts.
        Reserve(ShortText::Capacity);
        std::memcpy(buffer_.data() + size_, piece.bytes.data(), ShortText::Capacity);
        size_ += piece.size;
    }
    // Unchecked writing for the hot loops: Room for at least `more` bytes gives where the
    // next byte goes, Put writes a piece there (a whole slot, so a slot's room per piece),
    // Commit takes the end back.
    char* Room(std::size_t more) {
        Reserve(more);
        return buffer_.data() + size_;
    }
    static char* Put(char* out, const ShortText& piece) {
        std::memcpy(out, piece.bytes.data(), ShortText::Capacity);
        return out + piece.size;
    }
    void Commit(const char* end) { size_ = static_cast<std::size_t>(end - buffer_.data()); }
    std::size_t Size() const { return size_; }
    std::string Str() const { return std::string(buffer_.data(), size_); }
    std::string_view View() const { return std::string_view(buffer_.data(), size_); }

private:
    void Reserve(std::size_t more) {
        if (size_ + more > buffer_.size())
            buffer_.resize(std::max(buffer_.size() * 2, size_ + more + 256));
    }
    std::vector<char> buffer_;
    std::size_t size_ = 0;
};

// Texts of the numbers 0..max, made once for the commands that write them millions of times.
class NumberTexts {
public:
    template <class MakeText> NumberTexts(int max, MakeText make) {
        texts_.resize(std::max(max, 0) + 1);
        for (int n = 0; n <= max; ++n) {
            const std::string t = make(n);
            if (t.size() > ShortText::Capacity) throw std::length_error("number text too long");
            std::memcpy(texts_[n].bytes.data(), t.data(), t.size());
            texts_[n].size = t.size();
        }
    }
    // The numbers 0..max as ZeroPad writes them against a reference of `width` digits, each
    // followed by suffix, through the number writer (texts this short allocate nothing).
    NumberTexts(int max, int width, std::string_view suffix)
        : NumberTexts(max, [width, suffix](int n) {
              std::string t;
              AppendPadded(t, n, width);
              t += suffix;
              return t;
          }) {}
    const ShortText& operator[](int n) const { return texts_[n]; }

private:
    std::vector<ShortText> texts_;
};

} // namespace core
