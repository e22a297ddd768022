#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace core {

// The lines of a result too large to write out (hundreds of megabytes at 10,000 draws): each
// line is made when it is asked for, from counts the command keeps. The sizes are known up
// front, so a view can size its scroll bars and a copy its buffer without making any line.
class LineSource {
public:
    virtual ~LineSource() = default;

    virtual std::size_t Count() const = 0;
    virtual std::size_t LineBytes(std::size_t i) const = 0;
    // Line i replaces the contents of out (its buffer is reused).
    virtual void Write(std::size_t i, std::string& out) const = 0;

    std::size_t MaxLineBytes() const { return maxLineBytes_; }
    // Every line's bytes, without line ends.
    std::size_t TextBytes() const { return textBytes_; }

    std::string Line(std::size_t i) const {
        std::string out;
        Write(i, out);
        return out;
    }
    std::vector<std::string> Lines() const {
        std::vector<std::string> out(Count());
        for (std::size_t i = 0; i < out.size(); ++i) Write(i, out[i]);
        return out;
    }

protected:
    // For the derived source's constructor, once its sizes are known.
    void MeasureLines() {
        maxLineBytes_ = textBytes_ = 0;
        for (std::size_t i = 0, n = Count(); i < n; ++i) {
            const std::size_t b = LineBytes(i);
            maxLineBytes_ = b > maxLineBytes_ ? b : maxLineBytes_;
            textBytes_ += b;
        }
    }

private:
    std::size_t maxLineBytes_ = 0;
    std::size_t textBytes_ = 0;
};

} // namespace core
