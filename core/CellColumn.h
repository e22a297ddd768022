#pragma once

#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace core {

// The cells of one table column, written when they are shown, copied or asked for: a column
// keeps its values, not their texts.
class CellColumn {
public:
    virtual ~CellColumn() = default;

    virtual std::size_t Count() const = 0;
    // Cell i replaces the contents of out (its buffer is reused).
    virtual void Write(std::size_t i, std::string& out) const = 0;

    std::string Cell(std::size_t i) const {
        std::string out;
        Write(i, out);
        return out;
    }
};

// Whole numbers; a cell holding NoValue is empty.
class NumberColumn final : public CellColumn {
public:
    static constexpr std::int32_t NoValue = INT32_MIN;

    explicit NumberColumn(std::vector<std::int32_t> values) : values_(std::move(values)) {}
    // `count` empty cells, to be filled with Set.
    explicit NumberColumn(std::size_t count) : values_(count, NoValue) {}

    void Set(std::size_t i, std::int32_t value) { values_[i] = value; }
    std::int32_t Value(std::size_t i) const { return values_[i]; }

    std::size_t Count() const override { return values_.size(); }
    void Write(std::size_t i, std::string& out) const override;

private:
    std::vector<std::int32_t> values_;
};

// Texts kept as they are, for the few columns that are not numbers.
class TextColumn final : public CellColumn {
public:
    explicit TextColumn(std::vector<std::string> texts) : texts_(std::move(texts)) {}

    std::size_t Count() const override { return texts_.size(); }
    void Write(std::size_t i, std::string& out) const override { out = texts_[i]; }

private:
    std::vector<std::string> texts_;
};

} // namespace core
