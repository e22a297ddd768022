#include "platform/MemoText.h"

#include <algorithm>

namespace platform {

namespace {

std::vector<std::string> SplitAtLineEnds(std::string_view text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') continue;
        out.emplace_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    out.emplace_back(text.substr(start));
    return out;
}

} // namespace

// Enough that no caller holding a few lines at once sees one of them made over.
constexpr std::size_t MadeLines = 256;

std::string_view MemoText::Base::At(std::size_t i) const {
    if (source) {
        if (made[lastMade].index == i) return made[lastMade].text;
        for (std::size_t k = 0; k < made.size(); ++k)
            if (made[k].index == i) {
                lastMade = k;
                return made[k].text;
            }
        lastMade = nextMade;
        nextMade = (nextMade + 1) % made.size();
        Made& m = made[lastMade];
        m.index = i;
        source->Write(i, m.text);
        widest = std::max(widest, m.text.size());
        // A long line's buffer is not kept for a short one.
        if (m.text.capacity() > 4096 && m.text.capacity() > 2 * m.text.size())
            m.text.shrink_to_fit();
        return m.text;
    }
    if (!packed) return lines[i];
    const std::size_t start = starts[i];
    std::size_t end = text.size();
    if (i + 1 < starts.size()) {
        end = starts[i + 1] - 1;
        if (text[end] == '\n' && end > start && text[end - 1] == '\r') --end;
    }
    return std::string_view(text).substr(start, end - start);
}

std::size_t MemoText::Base::SizeAt(std::size_t i) const {
    if (!source) return At(i).size();
    const std::size_t size = source->LineBytes(i);
    widest = std::max(widest, size);
    return size;
}

MemoText::MemoText() {
    Clear();
}

void MemoText::Clear() {
    base_ = std::make_shared<Base>();
    pieces_.clear();
    Piece empty;
    empty.owned = true;
    empty.own.emplace_back();
    pieces_.push_back(std::move(empty));
    maxBytes_ = 0;
    Reindex();
}

void MemoText::SetLines(std::vector<std::string>&& lines) {
    Clear();
    if (lines.empty()) return;
    std::size_t bytes = 0, longest = 0;
    for (const auto& l : lines) {
        bytes += l.size() + 1;
        longest = std::max(longest, l.size());
    }
    base_->lines = std::move(lines);
    base_->bytes = base_->textBytes = bytes;
    maxBytes_ = longest;
    Piece all;
    all.count = base_->lines.size();
    pieces_.insert(pieces_.begin(), std::move(all));
    Reindex();
}

void MemoText::SetText(std::string&& text) {
    Clear();
    Base b;
    b.packed = true;
    b.text = std::move(text);
    b.starts.push_back(0);
    std::size_t longest = 0;
    const std::string& t = b.text;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (c != '\r' && c != '\n') continue;
        longest = std::max<std::size_t>(longest, i - b.starts.back());
        if (c == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
        b.starts.push_back(i + 1);
    }
    longest = std::max<std::size_t>(longest, t.size() - b.starts.back());
    b.bytes = t.size() + b.starts.size() * sizeof(std::uint64_t);
    b.textBytes = t.size();
    base_ = std::make_shared<Base>(std::move(b));
    maxBytes_ = longest;
    pieces_.clear();
    Piece all;
    all.count = base_->Size();
    pieces_.push_back(std::move(all));
    Reindex();
}

void MemoText::SetSource(std::shared_ptr<const core::LineSource> source) {
    Clear();
    if (!source || source->Count() == 0) return;
    const std::size_t count = source->Count();
    base_->made.resize(std::min(count, MadeLines));
    base_->source = std::move(source);
    Piece all;
    all.count = count;
    pieces_.insert(pieces_.begin(), std::move(all));
    Reindex();
}

void MemoText::Reindex() {
    ends_.clear();
    std::size_t total = 0;
    for (const auto& p : pieces_) {
        total += p.owned ? p.own.size() : p.count;
        ends_.push_back(total);
    }
}

std::size_t MemoText::Find(std::size_t line, std::size_t& offset) const {
    const auto it = std::upper_bound(ends_.begin(), ends_.end(), line);
    const std::size_t p = static_cast<std::size_t>(it - ends_.begin());
    offset = line - (p == 0 ? 0 : ends_[p - 1]);
    return p;
}

MemoText::LinePlace MemoText::Place(std::size_t i) const {
    std::size_t off = 0;
    const std::size_t p = Find(i, off);
    if (p >= pieces_.size()) return {};
    const Piece& piece = pieces_[p];
    if (piece.owned) return {&piece.own[off]};
    return {nullptr, piece.reversed ? piece.first + piece.count - 1 - off : piece.first + off};
}

std::string_view MemoText::Line(std::size_t i) const {
    const LinePlace at = Place(i);
    if (at.own) return *at.own;
    return at.base == LinePlace::None ? std::string_view() : base_->At(at.base);
}

std::size_t MemoText::LineSize(std::size_t i) const {
    const LinePlace at = Place(i);
    if (at.own) return at.own->size();
    return at.base == LinePlace::None ? 0 : base_->SizeAt(at.base);
}

std::size_t MemoText::LineCount() const {
    const std::size_t n = Count();
    return LineSize(n - 1) == 0 ? n - 1 : n;
}

std::vector<std::string> MemoText::Lines() const {
    std::vector<std::string> out;
    const std::size_t n = LineCount();
    out.reserve(n);
    for (std::size_t i = 0; i < n; ++i) out.emplace_back(Line(i));
    return out;
}

TextPos MemoText::Clamp(TextPos p) const {
    p.line = std::min(p.line, Count() - 1);
    p.col = std::min(p.col, LineSize(p.line));
    return p;
}

std::string_view MemoText::PassingLine(std::size_t i, std::string& scratch) const {
    const LinePlace at = Place(i);
    if (at.own) return *at.own;
    if (at.base == LinePlace::None) return {};
    if (!base_->source) return base_->At(at.base);
    base_->source->Write(at.base, scratch);
    return scratch;
}

void MemoText::Visit(TextPos from, TextPos to, std::string_view lineEnd,
                     const std::function<void(std::string_view)>& sink) const {
    from = Clamp(from);
    to = Clamp(to);
    if (to < from) std::swap(from, to);
    std::string scratch;
    for (std::size_t i = from.line; i <= to.line; ++i) {
        const std::string_view l = PassingLine(i, scratch);
        const std::size_t a = i == from.line ? from.col : 0;
        const std::size_t b = i == to.line ? to.col : l.size();
        if (b > a) sink(l.substr(a, b - a));
        if (i != to.line) sink(lineEnd);
    }
}

std::size_t MemoText::RangeSize(TextPos from, TextPos to, std::size_t lineEndSize) const {
    from = Clamp(from);
    to = Clamp(to);
    if (to < from) std::swap(from, to);
    std::size_t size = 0;
    for (std::size_t i = from.line; i <= to.line; ++i) {
        const std::size_t a = i == from.line ? from.col : 0;
        const std::size_t b = i == to.line ? to.col : LineSize(i);
        size += b - a;
        if (i != to.line) size += lineEndSize;
    }
    return size;
}

std::string MemoText::Range(TextPos from, TextPos to, std::string_view lineEnd) const {
    std::string out;
    out.reserve(RangeSize(from, to, lineEnd.size()));
    Visit(from, to, lineEnd, [&out](std::string_view s) { out.append(s); });
    return out;
}

std::size_t MemoText::SplitAt(std::size_t line) {
    if (line >= Count()) return pieces_.size();
    std::size_t off = 0;
    const std::size_t p = Find(line, off);
    if (off == 0) return p;
    Piece& piece = pieces_[p];
    Piece tail;
    tail.owned = piece.owned;
    if (piece.owned) {
        tail.own.assign(std::make_move_iterator(piece.own.begin() + off),
                        std::make_move_iterator(piece.own.end()));
        piece.own.resize(off);
    } else {
        tail.reversed = piece.reversed;
        tail.count = piece.count - off;
        if (piece.reversed) {
            // Shown backwards: the head shows the upper base lines.
            tail.first = piece.first;
            piece.first += tail.count;
        } else {
            tail.first = piece.first + off;
        }
        piece.count = off;
    }
    pieces_.insert(pieces_.begin() + static_cast<std::ptrdiff_t>(p) + 1, std::move(tail));
    Reindex();
    return p + 1;
}

TextPos MemoText::Replace(TextPos from, TextPos to, std::string_view text) {
    from = Clamp(from);
    to = Clamp(to);
    if (to < from) std::swap(from, to);
    const std::string suffix(Line(to.line).substr(to.col));
    std::string joined(Line(from.line).substr(0, from.col));
    joined.append(text);
    joined.append(suffix);
    std::vector<std::string> lines = SplitAtLineEnds(joined);
    const TextPos end{from.line + lines.size() - 1, lines.back().size() - suffix.size()};
    for (const auto& l : lines) maxBytes_ = std::max(maxBytes_, l.size());

    const std::size_t a = SplitAt(from.line);
    const std::size_t b = SplitAt(to.line + 1);
    pieces_.erase(pieces_.begin() + static_cast<std::ptrdiff_t>(a),
                  pieces_.begin() + static_cast<std::ptrdiff_t>(b));
    Piece edited;
    edited.owned = true;
    edited.own = std::move(lines);
    std::size_t at = a;
    // Neighbouring edited runs become one, so typing keeps the run count small.
    if (at > 0 && pieces_[at - 1].owned) {
        --at;
        auto& prev = pieces_[at].own;
        edited.own.insert(edited.own.begin(), std::make_move_iterator(prev.begin()),
                          std::make_move_iterator(prev.end()));
        pieces_.erase(pieces_.begin() + static_cast<std::ptrdiff_t>(at));
    }
    if (at < pieces_.size() && pieces_[at].owned) {
        auto& next = pieces_[at].own;
        edited.own.insert(edited.own.end(), std::make_move_iterator(next.begin()),
                          std::make_move_iterator(next.end()));
        pieces_.erase(pieces_.begin() + static_cast<std::ptrdiff_t>(at));
    }
    pieces_.insert(pieces_.begin() + static_cast<std::ptrdiff_t>(at), std::move(edited));
    if (std::none_of(pieces_.begin(), pieces_.end(), [](const Piece& p) { return !p.owned; }))
        base_ = std::make_shared<Base>();
    Reindex();
    return end;
}

void MemoText::Reverse() {
    const std::size_t n = Count();
    if (n > 1 && Line(n - 1).empty()) {
        // The empty line after a final line end is not one of the lines.
        const std::size_t p = SplitAt(n - 1);
        pieces_.erase(pieces_.begin() + static_cast<std::ptrdiff_t>(p), pieces_.end());
    }
    std::reverse(pieces_.begin(), pieces_.end());
    for (auto& p : pieces_) {
        if (p.owned)
            std::reverse(p.own.begin(), p.own.end());
        else
            p.reversed = !p.reversed;
    }
    Reindex();
}

} // namespace platform
