#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace core {

// The lines of a result too large to write out (hundreds of megabytes at 10,000 draws): each
// line is made when it is asked for, from counts the command keeps, and each line's size is
// told without making it, so a view can place its caret and a copy size its buffer.
class LineSource {
public:
    virtual ~LineSource() = default;

    virtual std::size_t Count() const = 0;
    virtual std::size_t LineBytes(std::size_t i) const = 0;
    // Line i replaces the contents of out (its buffer is reused).
    virtual void Write(std::size_t i, std::string& out) const = 0;

    // The longest line and every line's bytes (without line ends) need every line's size: a
    // source whose sizes are cheap measures them up front (Measured), one whose sizes cost a
    // pass over every pair of draws when they are first asked for, so showing its first
    // screen never waits for that pass.
    bool Measured() const { return measured_; }
    std::size_t MaxLineBytes() const {
        Measure();
        return maxLineBytes_;
    }
    std::size_t TextBytes() const {
        Measure();
        return textBytes_;
    }

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
    // For the derived source's constructor, once its sizes are known and cheap.
    void MeasureLines() { Measure(); }

private:
    void Measure() const {
        if (measured_) return;
        maxLineBytes_ = textBytes_ = 0;
        for (std::size_t i = 0, n = Count(); i < n; ++i) {
            const std::size_t b = LineBytes(i);
            maxLineBytes_ = b > maxLineBytes_ ? b : maxLineBytes_;
            textBytes_ += b;
        }
        measured_ = true;
    }

    mutable bool measured_ = false;
    mutable std::size_t maxLineBytes_ = 0;
    mutable std::size_t textBytes_ = 0;
};

// Fixed lines first, then `rows` lines made from the values a result keeps (`data`), then fixed
// lines again: `bytes(data, row)` gives a row's size and `write(data, row, out)` appends it to
// an empty out. A per-draw result so keeps its values, not ten thousand strings.
template <class Data, class Bytes, class WriteRow> class RowLines final : public LineSource {
public:
    RowLines(std::vector<std::string> head, std::size_t rows, Data data, Bytes bytes,
             WriteRow write, std::vector<std::string> tail)
        : head_(std::move(head)), rows_(rows), data_(std::move(data)), bytes_(std::move(bytes)),
          write_(std::move(write)), tail_(std::move(tail)) {
        MeasureLines();
    }
    std::size_t Count() const override { return head_.size() + rows_ + tail_.size(); }
    std::size_t LineBytes(std::size_t i) const override {
        if (i < head_.size()) return head_[i].size();
        if (i - head_.size() < rows_) return bytes_(data_, i - head_.size());
        return tail_[i - head_.size() - rows_].size();
    }
    void Write(std::size_t i, std::string& out) const override {
        if (i < head_.size()) {
            out = head_[i];
        } else if (i - head_.size() < rows_) {
            out.clear();
            write_(data_, i - head_.size(), out);
        } else {
            out = tail_[i - head_.size() - rows_];
        }
    }

private:
    std::vector<std::string> head_;
    std::size_t rows_;
    Data data_;
    Bytes bytes_;
    WriteRow write_;
    std::vector<std::string> tail_;
};

template <class Data, class Bytes, class WriteRow>
std::shared_ptr<const LineSource> MakeRowLines(std::vector<std::string> head, std::size_t rows,
                                               Data data, Bytes bytes, WriteRow write,
                                               std::vector<std::string> tail = {}) {
    return std::make_shared<RowLines<Data, Bytes, WriteRow>>(std::move(head), rows, std::move(data),
                                                             std::move(bytes), std::move(write),
                                                             std::move(tail));
}

} // namespace core
