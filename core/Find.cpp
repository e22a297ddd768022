#include "core/Find.h"

#include "core/BiText.h"
#include "core/NumberRoutines.h"
#include "core/NumberWriter.h"

#include <algorithm>
#include <cstdint>

namespace core {

std::string CleanFindText(std::string_view text) {
    std::string out;
    for (char c : text) {
        const char k = (c >= '0' && c <= '9') ? c : ' ';
        if (k == ' ' && !out.empty() && out.back() == ' ') continue;
        out += k;
    }
    return out;
}

namespace {

// "N:0", or "N:k --> " and " v" for each query number the draw holds, in the query's order
// (a number asked twice shows twice). Keeps only the hits.
class FindLineSource final : public LineSource {
public:
    FindLineSource(const DrawStore& store, const std::uint8_t* query, int perDraw) {
        const int dc = std::max(store.DrawCount, 0);
        std::vector<std::uint8_t> asked;
        for (int j = 0; j < 45; ++j)
            if (query[j] != 0) asked.push_back(query[j]);
        starts_.reserve(static_cast<std::size_t>(dc) + 1);
        starts_.push_back(0);
        for (int p = 0; p < dc; ++p) {
            const Draw& d = store[p];
            std::uint64_t held[4] = {};
            for (int m = 0; m < perDraw; ++m) held[d[m] >> 6] |= std::uint64_t{1} << (d[m] & 63);
            for (std::uint8_t v : asked)
                if (held[v >> 6] >> (v & 63) & 1) hits_.push_back(v);
            starts_.push_back(static_cast<std::uint32_t>(hits_.size()));
        }
        MeasureLines();
    }

    std::size_t Count() const override { return starts_.size() - 1; }
    std::size_t LineBytes(std::size_t i) const override {
        const std::size_t k = starts_[i + 1] - starts_[i];
        std::size_t bytes = static_cast<std::size_t>(IntDigits(DrawNumber(i))) + 1 + IntDigits(k);
        if (k > 0) bytes += 5;
        for (std::size_t h = starts_[i]; h < starts_[i + 1]; ++h)
            bytes += 1 + static_cast<std::size_t>(IntDigits(hits_[h]));
        return bytes;
    }
    void Write(std::size_t i, std::string& out) const override {
        out.clear();
        const std::size_t k = starts_[i + 1] - starts_[i];
        AppendInt(out, DrawNumber(i));
        out += ':';
        AppendInt(out, static_cast<long long>(k));
        if (k > 0) out += " --> ";
        for (std::size_t h = starts_[i]; h < starts_[i + 1]; ++h) {
            out += ' ';
            AppendInt(out, hits_[h]);
        }
    }

private:
    long long DrawNumber(std::size_t i) const { return static_cast<long long>(Count() - i); }

    std::vector<std::uint32_t> starts_; // draw i's hits are hits_[starts_[i] .. starts_[i + 1])
    std::vector<std::uint8_t> hits_;
};

} // namespace

std::shared_ptr<const LineSource> FindSource(const DrawStore& store, std::string_view cleaned,
                                             int perDraw) {
    std::uint8_t query[45];
    ParseNumbers(cleaned, query, 45);
    return std::make_shared<FindLineSource>(store, query, perDraw);
}

std::string FindCaption(Lang lang) {
    return BiText{"Поиск номеров в предыдущих тиражах",
                  "Draws where selected numbers were found"}(lang);
}

} // namespace core
