#pragma once

#include "platform/MemoText.h"

#include <QAbstractScrollArea>
#include <QHash>

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

namespace platform {

// A multi-line editable text control with the string-list view of its text the programs use.
// Results run to hundreds of megabytes, so it keeps the lines as they are handed over and lays
// out only what is on screen, and only the visible part of a long line.
class TMemo : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit TMemo(QWidget* parent = nullptr);

    void Clear();
    // Appends one line; the text then ends with a line end.
    void Add(const std::string& line);
    // Replaces the text with these lines; a command's lines are moved in, not copied.
    void SetLines(std::vector<std::string> lines);
    // Replaces the text with a source's lines, made as they come on screen.
    void SetSource(std::shared_ptr<const core::LineSource> source);
    std::vector<std::string> Lines() const { return text_.Lines(); }
    int LineCount() const { return static_cast<int>(text_.LineCount()); }
    // The whole text with CR LF line ends.
    std::string Text() const { return text_.Text("\r\n"); }
    void SetText(std::string text);
    bool WordWrap() const { return wrap_; }
    void SetWordWrap(bool on);
    // The lines in reverse order, without a line end after the last.
    void Reverse();
    // Clears the text and hands the memory it held back to the system.
    void Release();

    const MemoText& Content() const { return text_; }
    TextPos CaretPos() const { return caret_; }
    void SetSelection(TextPos anchor, TextPos caret);
    void SelectAll();
    std::string SelText() const { return text_.Range(anchor_, caret_, "\n"); }
    // The selection to the clipboard, built once in the clipboard's own buffer.
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    // Replaces the selection with the text, as typing does.
    void InsertText(std::string_view text);
    // The first line on screen and the row of it (rows differ from lines when wrapping).
    std::size_t TopLine() const { return top_.line; }
    std::size_t TopRow() const { return top_.row; }
    int VisibleRows() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    struct RowPos {
        std::size_t line = 0;
        std::size_t row = 0;
    };

    void TextChanged();
    void FontChanged();
    qreal Advance(char32_t c) const;
    // Row starts of a line (one row unless wrapping).
    const std::vector<std::uint32_t>& Rows(std::size_t line) const;
    std::size_t RowOf(TextPos p) const;
    std::size_t RowEnd(std::size_t line, std::size_t row) const;
    bool NextRow(RowPos& r) const;
    bool PrevRow(RowPos& r) const;
    qreal XOf(std::size_t line, std::size_t row, std::size_t col) const;
    std::size_t ColAt(std::size_t line, std::size_t row, qreal x) const;
    TextPos HitTest(QPoint p) const;
    void SetTop(RowPos top);
    void ScrollRows(long long rows);
    void MoveCaret(TextPos p, bool select);
    void MoveCaretRows(long long rows, bool select);
    void EnsureCaretVisible();
    void UpdateScrollBars();
    int TextWidth() const;
    // A line made for the screen may be wider than any known before: the scroll bar follows.
    void FollowWidth();
    int LineHeight() const { return lineHeight_; }

    MemoText text_;
    bool wrap_ = false;
    RowPos top_;
    int xOffset_ = 0;
    int shownWidth_ = 0; // the text width the scroll bar was set for
    bool widthQueued_ = false;
    TextPos anchor_, caret_;
    qreal goalX_ = -1;
    bool dragging_ = false;
    bool syncing_ = false;
    int lineHeight_ = 13;
    qreal ascent_ = 10;
    std::array<qreal, 128> ascii_{};
    mutable QHash<char32_t, qreal> others_;
    mutable std::unordered_map<std::size_t, std::vector<std::uint32_t>> rows_;
    std::vector<std::uint32_t> oneRow_{0};
};

} // namespace platform
