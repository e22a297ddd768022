#pragma once

#include "core/LineSource.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A place in the text: a line and a byte offset into its UTF-8 text.
struct TextPos {
    std::size_t line = 0;
    std::size_t col = 0;
    friend bool operator==(const TextPos& a, const TextPos& b) {
        return a.line == b.line && a.col == b.col;
    }
    friend bool operator!=(const TextPos& a, const TextPos& b) { return !(a == b); }
    friend bool operator<(const TextPos& a, const TextPos& b) {
        return a.line < b.line || (a.line == b.line && a.col < b.col);
    }
};

// The text of a memo as lines, as an edit control sees it: always at least one line, and a text
// ending in a line end ends in an empty line. The text handed over is kept as it came (a
// command's lines moved in, one buffer with line starts, or a source making lines on demand);
// Reverse flips an index and edits live in a small overlay of changed lines, so neither copies
// the rest. A line's view stays valid until the text changes; one from a source, until many
// other lines have been asked for. Copies share the text handed over.
class MemoText {
public:
    MemoText();

    void Clear();
    // Each line followed by a line end.
    void SetLines(std::vector<std::string>&& lines);
    // Split at CR LF, CR or LF.
    void SetText(std::string&& text);
    // Each line followed by a line end; a line is made when it is first asked for.
    void SetSource(std::shared_ptr<const core::LineSource> source);

    std::size_t Count() const { return ends_.back(); }
    std::string_view Line(std::size_t i) const;
    // Line(i).size(), without making a line of a source.
    std::size_t LineSize(std::size_t i) const;
    // No line is known to be longer; it may be an overestimate after edits. A source that
    // measures its lines only when asked gives the longest line made or sized so far, so the
    // width grows as the user scrolls instead of every line being counted before the first screen.
    std::size_t MaxLineBytes() const { return std::max(maxBytes_, base_->Widest()); }
    TextPos End() const { return {Count() - 1, LineSize(Count() - 1)}; }
    // Bytes held by the text handed over (not by the overlay).
    std::size_t HeldBytes() const { return base_->bytes; }
    // Bytes of the text handed over, line ends counted as one; a source measures every line.
    std::size_t TextBytes() const {
        return base_->source ? base_->source->TextBytes() + base_->source->Count()
                             : base_->textBytes;
    }

    // The string-list view: the lines without the empty line after a final line end.
    std::vector<std::string> Lines() const;
    std::size_t LineCount() const;

    // The text from one place to another with lineEnd between lines, piece by piece, so a
    // caller can fill its own buffer without a copy in between.
    void Visit(TextPos from, TextPos to, std::string_view lineEnd,
               const std::function<void(std::string_view)>& sink) const;
    std::size_t RangeSize(TextPos from, TextPos to, std::size_t lineEndSize) const;
    std::string Range(TextPos from, TextPos to, std::string_view lineEnd) const;
    std::string Text(std::string_view lineEnd) const { return Range({}, End(), lineEnd); }

    // Replaces the text between two places; the text may hold line ends (CR LF, CR or LF).
    // Returns the place after the inserted text.
    TextPos Replace(TextPos from, TextPos to, std::string_view text);
    // The lines (string-list view) in reverse order, without a line end after the last.
    void Reverse();

    TextPos Clamp(TextPos p) const;

private:
    struct Base {
        std::vector<std::string> lines;
        std::string text;
        std::vector<std::uint64_t> starts; // line starts in text, when the text came in one piece
        bool packed = false;
        std::shared_ptr<const core::LineSource> source;
        std::size_t bytes = 0;
        std::size_t textBytes = 0;
        // The source's lines made last, reused round-robin.
        struct Made {
            std::size_t index = SIZE_MAX;
            std::string text;
        };
        mutable std::vector<Made> made;
        mutable std::size_t nextMade = 0, lastMade = 0;
        mutable std::size_t widest = 0; // of the source's lines made or sized so far
        std::size_t Widest() const {
            return source && source->Measured() ? source->MaxLineBytes() : widest;
        }
        std::size_t Size() const {
            return source ? source->Count() : packed ? starts.size() : lines.size();
        }
        std::string_view At(std::size_t i) const;
        std::size_t SizeAt(std::size_t i) const;
    };
    // A run of lines: base lines first..first+count (backwards when reversed), or edited lines.
    struct Piece {
        std::size_t first = 0;
        std::size_t count = 0;
        bool reversed = false;
        bool owned = false;
        std::vector<std::string> own;
    };

    std::size_t Find(std::size_t line, std::size_t& offset) const;
    // Where line i is: an edited line of its own, or the base line at `base`; neither past the
    // end.
    struct LinePlace {
        static constexpr std::size_t None = SIZE_MAX;
        const std::string* own = nullptr;
        std::size_t base = None;
    };
    LinePlace Place(std::size_t i) const;
    // Line i for a pass over the text: a source's line is written into scratch, not among the
    // lines made last, so a paste of hundreds of megabytes leaves none of its lines behind.
    std::string_view PassingLine(std::size_t i, std::string& scratch) const;
    std::size_t SplitAt(std::size_t line);
    void Reindex();

    // Shared by copies: once handed over it is never changed, so a copy of the text (the
    // clipboard's) costs only its edited lines.
    std::shared_ptr<Base> base_;
    std::vector<Piece> pieces_;
    std::vector<std::size_t> ends_; // lines up to and including each piece
    std::size_t maxBytes_ = 0;
};

} // namespace platform
