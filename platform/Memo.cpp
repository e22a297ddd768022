#include "platform/Memo.h"

#include "platform/ClipboardText.h"
#include "platform/FreedMemory.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>

namespace platform {

namespace {

constexpr int Margin = 2;

// One code point of UTF-8 text at i; i moves past it. A broken sequence is one byte.
char32_t Decode(std::string_view s, std::size_t& i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
        ++i;
        return c;
    }
    const int more = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (more == 0 || i + more >= s.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t v = c & (0x3F >> more);
    for (int k = 1; k <= more; ++k) {
        const auto d = static_cast<unsigned char>(s[i + k]);
        if ((d & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        v = (v << 6) | (d & 0x3F);
    }
    i += more + 1;
    return v;
}

std::size_t NextCol(std::string_view s, std::size_t col) {
    if (col >= s.size()) return s.size();
    Decode(s, col);
    return col;
}

std::size_t PrevCol(std::string_view s, std::size_t col) {
    if (col == 0) return 0;
    std::size_t p = col - 1;
    for (int k = 0; k < 3 && p > 0 && (static_cast<unsigned char>(s[p]) & 0xC0) == 0x80; ++k) --p;
    // Only a whole sequence ending at col counts as one character.
    std::size_t q = p;
    Decode(s, q);
    return q == col ? p : col - 1;
}

} // namespace

TMemo::TMemo(QWidget* parent) : QAbstractScrollArea(parent) {
    QFont f = font();
    // Text is drawn in visible parts at positions summed from advances.
    f.setKerning(false);
    setFont(f);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setCursor(Qt::IBeamCursor);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FontChanged();
}

void TMemo::FontChanged() {
    const QFontMetricsF fm(font());
    lineHeight_ = std::max(1, static_cast<int>(std::ceil(fm.lineSpacing())));
    ascent_ = fm.ascent();
    for (int c = 0; c < 128; ++c) ascii_[c] = fm.horizontalAdvance(QChar(c));
    others_.clear();
    rows_.clear();
    UpdateScrollBars();
    viewport()->update();
}

qreal TMemo::Advance(char32_t c) const {
    if (c < 128) return ascii_[c];
    const auto it = others_.constFind(c);
    if (it != others_.constEnd()) return *it;
    const qreal w = QFontMetricsF(font()).horizontalAdvance(QString::fromUcs4(&c, 1));
    others_.insert(c, w);
    return w;
}

void TMemo::TextChanged() {
    rows_.clear();
    top_.line = std::min(top_.line, text_.Count() - 1);
    top_.row = std::min(top_.row, Rows(top_.line).size() - 1);
    anchor_ = text_.Clamp(anchor_);
    caret_ = text_.Clamp(caret_);
    UpdateScrollBars();
    viewport()->update();
}

void TMemo::Clear() {
    const std::size_t held = text_.HeldBytes();
    text_.Clear();
    anchor_ = caret_ = {};
    top_ = {};
    xOffset_ = 0;
    TextChanged();
    HandBackFreedMemory(held);
}

void TMemo::Release() {
    const std::size_t held = text_.HeldBytes();
    Clear();
    rows_ = {};
    others_.clear();
    HandBackFreedMemory(std::max(held, TrimBytes));
}

void TMemo::Add(const std::string& line) {
    const TextPos end = text_.End();
    text_.Replace(end, end, text_.Line(end.line).empty() ? line + "\n" : "\n" + line + "\n");
    TextChanged();
}

void TMemo::SetLines(std::vector<std::string> lines) {
    const std::size_t held = text_.HeldBytes();
    Clear();
    text_.SetLines(std::move(lines));
    TextChanged();
    HandBackFreedMemory(held);
}

void TMemo::SetSource(std::shared_ptr<const core::LineSource> source) {
    const std::size_t held = text_.HeldBytes();
    Clear();
    text_.SetSource(std::move(source));
    TextChanged();
    HandBackFreedMemory(held);
}

void TMemo::SetText(std::string text) {
    const std::size_t held = text_.HeldBytes();
    Clear();
    text_.SetText(std::move(text));
    TextChanged();
    HandBackFreedMemory(held);
}

void TMemo::SetWordWrap(bool on) {
    if (on == wrap_) return;
    wrap_ = on;
    rows_.clear();
    top_.row = 0;
    xOffset_ = 0;
    setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    UpdateScrollBars();
    viewport()->update();
}

void TMemo::Reverse() {
    text_.Reverse();
    anchor_ = caret_ = {};
    top_ = {};
    xOffset_ = 0;
    TextChanged();
}

void TMemo::SetSelection(TextPos anchor, TextPos caret) {
    anchor_ = text_.Clamp(anchor);
    caret_ = text_.Clamp(caret);
    goalX_ = -1;
    EnsureCaretVisible();
    viewport()->update();
}

void TMemo::SelectAll() {
    anchor_ = {};
    caret_ = text_.End();
    viewport()->update();
}

void TMemo::CopyToClipboard() {
    if (anchor_ == caret_) return;
    // The text is written only when a program pastes.
    auto mime = std::make_unique<ClipboardText>(text_, anchor_, caret_, "\n");
    QApplication::clipboard()->setMimeData(mime.release()); // the clipboard owns it
}

void TMemo::CutToClipboard() {
    CopyToClipboard();
    InsertText({});
}

void TMemo::PasteFromClipboard() {
    InsertText(QApplication::clipboard()->text().toStdString());
}

void TMemo::InsertText(std::string_view text) {
    const TextPos from = std::min(anchor_, caret_), to = std::max(anchor_, caret_);
    caret_ = anchor_ = text_.Replace(from, to, text);
    goalX_ = -1;
    TextChanged();
    EnsureCaretVisible();
}

int TMemo::VisibleRows() const {
    return std::max(1, viewport()->height() / lineHeight_);
}

const std::vector<std::uint32_t>& TMemo::Rows(std::size_t line) const {
    if (!wrap_) return oneRow_;
    const auto found = rows_.find(line);
    if (found != rows_.end()) return found->second;
    if (rows_.size() > 1024) rows_.clear();
    const qreal avail = std::max<qreal>(1, viewport()->width() - 2 * Margin);
    const std::string_view s = text_.Line(line);
    std::vector<std::uint32_t> rows{0};
    std::size_t rowStart = 0, afterSpace = 0, i = 0;
    qreal x = 0;
    while (i < s.size()) {
        const std::size_t at = i;
        const char32_t c = Decode(s, i);
        const qreal w = Advance(c);
        // Blanks may hang over the edge; a row breaks after its last blank, or inside a word
        // too long for a row.
        if (c != ' ' && x + w > avail && at > rowStart) {
            const std::size_t brk = afterSpace > rowStart ? afterSpace : at;
            rows.push_back(static_cast<std::uint32_t>(brk));
            rowStart = brk;
            x = 0;
            for (std::size_t k = brk; k < at;) x += Advance(Decode(s, k));
        }
        x += w;
        if (c == ' ') afterSpace = i;
    }
    return rows_.emplace(line, std::move(rows)).first->second;
}

std::size_t TMemo::RowOf(TextPos p) const {
    const auto& rows = Rows(p.line);
    return static_cast<std::size_t>(std::upper_bound(rows.begin(), rows.end(), p.col) -
                                    rows.begin()) -
           1;
}

std::size_t TMemo::RowEnd(std::size_t line, std::size_t row) const {
    const auto& rows = Rows(line);
    return row + 1 < rows.size() ? rows[row + 1] : text_.Line(line).size();
}

bool TMemo::NextRow(RowPos& r) const {
    if (r.row + 1 < Rows(r.line).size()) {
        ++r.row;
        return true;
    }
    if (r.line + 1 >= text_.Count()) return false;
    r = {r.line + 1, 0};
    return true;
}

bool TMemo::PrevRow(RowPos& r) const {
    if (r.row > 0) {
        --r.row;
        return true;
    }
    if (r.line == 0) return false;
    --r.line;
    r.row = Rows(r.line).size() - 1;
    return true;
}

qreal TMemo::XOf(std::size_t line, std::size_t row, std::size_t col) const {
    const std::string_view s = text_.Line(line);
    qreal x = 0;
    for (std::size_t i = Rows(line)[row]; i < col && i < s.size();) x += Advance(Decode(s, i));
    return x;
}

std::size_t TMemo::ColAt(std::size_t line, std::size_t row, qreal x) const {
    const std::string_view s = text_.Line(line);
    const std::size_t end = RowEnd(line, row);
    qreal acc = 0;
    for (std::size_t i = Rows(line)[row]; i < end;) {
        const std::size_t at = i;
        const qreal w = Advance(Decode(s, i));
        if (x < acc + w / 2) return at;
        acc += w;
    }
    return end;
}

TextPos TMemo::HitTest(QPoint p) const {
    RowPos r = top_;
    for (int y = p.y(); y >= lineHeight_ && NextRow(r); y -= lineHeight_) {
    }
    for (int y = p.y(); y < 0 && PrevRow(r); y += lineHeight_) {
    }
    const qreal x = p.x() - Margin + (wrap_ ? 0 : xOffset_);
    return {r.line, ColAt(r.line, r.row, x)};
}

void TMemo::SetTop(RowPos top) {
    const std::size_t count = text_.Count();
    if (!wrap_) {
        const std::size_t rows = static_cast<std::size_t>(VisibleRows());
        top = {std::min(top.line, count > rows ? count - rows : 0), 0};
    } else {
        top.line = std::min(top.line, count - 1);
        top.row = std::min(top.row, Rows(top.line).size() - 1);
    }
    top_ = top;
    syncing_ = true;
    verticalScrollBar()->setValue(static_cast<int>(std::min<std::size_t>(top.line, INT_MAX)));
    syncing_ = false;
    viewport()->update();
}

void TMemo::ScrollRows(long long rows) {
    RowPos t = top_;
    for (; rows > 0 && NextRow(t); --rows) {
    }
    for (; rows < 0 && PrevRow(t); ++rows) {
    }
    SetTop(t);
}

void TMemo::scrollContentsBy(int, int) {
    if (!syncing_) {
        const auto value = static_cast<std::size_t>(std::max(0, verticalScrollBar()->value()));
        if (value != top_.line) top_ = {std::min(value, text_.Count() - 1), 0};
        xOffset_ = wrap_ ? 0 : horizontalScrollBar()->value();
    }
    viewport()->update();
}

int TMemo::TextWidth() const {
    const double w = static_cast<double>(text_.MaxLineBytes()) * ascii_['0'] + 2 * Margin;
    return static_cast<int>(std::min<double>(w, INT_MAX / 2));
}

void TMemo::UpdateScrollBars() {
    const int rows = VisibleRows();
    const auto count = static_cast<long long>(text_.Count());
    QScrollBar* v = verticalScrollBar();
    syncing_ = true;
    const long long last = wrap_ ? count - 1 : std::max(0LL, count - rows);
    v->setRange(0, static_cast<int>(std::min<long long>(last, INT_MAX)));
    v->setPageStep(rows);
    v->setSingleStep(1);
    v->setValue(static_cast<int>(std::min<std::size_t>(top_.line, INT_MAX)));
    QScrollBar* h = horizontalScrollBar();
    if (wrap_) {
        h->setRange(0, 0);
    } else {
        const int vw = viewport()->width();
        shownWidth_ = TextWidth();
        h->setRange(0, std::max({0, shownWidth_ - vw, xOffset_}));
        h->setPageStep(vw);
        h->setSingleStep(std::max(1, static_cast<int>(ascii_['0'] * 4)));
        h->setValue(xOffset_);
    }
    syncing_ = false;
}

void TMemo::MoveCaret(TextPos p, bool select) {
    caret_ = text_.Clamp(p);
    if (!select) anchor_ = caret_;
    EnsureCaretVisible();
    viewport()->update();
}

void TMemo::MoveCaretRows(long long rows, bool select) {
    RowPos r{caret_.line, RowOf(caret_)};
    if (goalX_ < 0) goalX_ = XOf(r.line, r.row, caret_.col);
    for (; rows > 0 && NextRow(r); --rows) {
    }
    for (; rows < 0 && PrevRow(r); ++rows) {
    }
    const qreal goal = goalX_;
    MoveCaret({r.line, ColAt(r.line, r.row, goal)}, select);
    goalX_ = goal;
}

void TMemo::EnsureCaretVisible() {
    const RowPos c{caret_.line, RowOf(caret_)};
    auto before = [](const RowPos& a, const RowPos& b) {
        return a.line < b.line || (a.line == b.line && a.row < b.row);
    };
    if (before(c, top_)) {
        SetTop(c);
    } else {
        RowPos r = top_;
        bool visible = !before(top_, c);
        for (int k = 1; !visible && k < VisibleRows() && NextRow(r); ++k) visible = !before(r, c);
        if (!visible) {
            RowPos t = c;
            for (int k = 1; k < VisibleRows() && PrevRow(t); ++k) {
            }
            SetTop(t);
        }
    }
    if (!wrap_) {
        const int x = static_cast<int>(XOf(caret_.line, 0, caret_.col));
        const int vw = std::max(1, viewport()->width() - 2 * Margin);
        if (x < xOffset_)
            xOffset_ = std::max(0, x - vw / 3);
        else if (x > xOffset_ + vw - 2)
            xOffset_ = x - vw * 2 / 3;
        UpdateScrollBars();
    }
}

void TMemo::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    const QPalette& pal = palette();
    p.fillRect(viewport()->rect(), pal.base());
    p.setFont(font());
    const int h = viewport()->height(), vw = viewport()->width();
    const TextPos s0 = std::min(anchor_, caret_), s1 = std::max(anchor_, caret_);
    const bool selection = s0 != s1;
    const qreal left = Margin - (wrap_ ? 0 : xOffset_);
    const qreal blank = ascii_[' '];
    auto width = [this](std::string_view s, std::size_t a, std::size_t b) {
        qreal w = 0;
        for (std::size_t i = a; i < b;) w += Advance(Decode(s, i));
        return w;
    };
    RowPos r = top_;
    for (int y = 0; y < h;) {
        const std::string_view s = text_.Line(r.line);
        const std::size_t a = Rows(r.line)[r.row], e = RowEnd(r.line, r.row);
        const bool lastRow = r.row + 1 == Rows(r.line).size();
        // Only the part between the edges is measured and drawn.
        std::size_t i = a;
        qreal x = left;
        while (i < e) {
            const std::size_t at = i;
            const qreal w = Advance(Decode(s, i));
            if (x + w > 0) {
                i = at;
                break;
            }
            x += w;
        }
        const std::size_t vs = i;
        const qreal vx = x;
        for (qreal xe = x; i < e && xe < vw;) xe += Advance(Decode(s, i));
        const std::size_t ve = i;
        const QString part = QString::fromUtf8(s.data() + vs, static_cast<qsizetype>(ve - vs));
        const QPointF base(vx, y + ascent_);

        QRectF selected;
        if (selection && (r.line > s0.line || (r.line == s0.line && e >= s0.col)) &&
            (r.line < s1.line || (r.line == s1.line && a <= s1.col))) {
            const std::size_t sa = std::clamp(r.line == s0.line ? s0.col : a, vs, ve);
            const std::size_t sb = std::clamp(r.line == s1.line ? s1.col : e, vs, ve);
            const qreal xa = vx + width(s, vs, sa);
            qreal xb = xa + width(s, sa, sb);
            if (lastRow && r.line < s1.line && sb == ve) xb += blank; // the line end
            if (xb > xa) selected = QRectF(xa, y, xb - xa, lineHeight_);
        }
        if (!selected.isEmpty()) p.fillRect(selected, pal.highlight());
        p.setPen(pal.text().color());
        p.drawText(base, part);
        if (!selected.isEmpty()) {
            p.save();
            p.setClipRect(selected);
            p.setPen(pal.highlightedText().color());
            p.drawText(base, part);
            p.restore();
        }
        if (hasFocus() && caret_.line == r.line && RowOf(caret_) == r.row && caret_.col >= vs &&
            caret_.col <= ve) {
            const qreal cx = std::round(vx + width(s, vs, caret_.col));
            p.fillRect(QRectF(cx, y, 1, lineHeight_), pal.text());
        }
        y += lineHeight_;
        if (!NextRow(r)) break;
    }
    FollowWidth();
}

void TMemo::FollowWidth() {
    if (wrap_ || widthQueued_ || TextWidth() == shownWidth_) return;
    // Not from inside the paint: the scroll bar showing up resizes the viewport.
    widthQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            widthQueued_ = false;
            UpdateScrollBars();
        },
        Qt::QueuedConnection);
}

void TMemo::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (wrap_) rows_.clear();
    SetTop(top_);
    UpdateScrollBars();
}

void TMemo::keyPressEvent(QKeyEvent* event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (event == QKeySequence::SelectAll) return SelectAll();
    if (event == QKeySequence::Copy) return CopyToClipboard();
    if (event == QKeySequence::Cut) return CutToClipboard();
    if (event == QKeySequence::Paste) return PasteFromClipboard();
    const std::string_view line = text_.Line(caret_.line);
    const bool selection = anchor_ != caret_;
    switch (event->key()) {
    case Qt::Key_Left:
        goalX_ = -1;
        if (selection && !shift) return MoveCaret(std::min(anchor_, caret_), false);
        if (caret_.col > 0) return MoveCaret({caret_.line, PrevCol(line, caret_.col)}, shift);
        if (caret_.line > 0)
            return MoveCaret({caret_.line - 1, text_.Line(caret_.line - 1).size()}, shift);
        return MoveCaret(caret_, shift);
    case Qt::Key_Right:
        goalX_ = -1;
        if (selection && !shift) return MoveCaret(std::max(anchor_, caret_), false);
        if (caret_.col < line.size())
            return MoveCaret({caret_.line, NextCol(line, caret_.col)}, shift);
        if (caret_.line + 1 < text_.Count()) return MoveCaret({caret_.line + 1, 0}, shift);
        return MoveCaret(caret_, shift);
    case Qt::Key_Up:
        return MoveCaretRows(-1, shift);
    case Qt::Key_Down:
        return MoveCaretRows(1, shift);
    case Qt::Key_PageUp:
        ScrollRows(-VisibleRows());
        return MoveCaretRows(-VisibleRows(), shift);
    case Qt::Key_PageDown:
        ScrollRows(VisibleRows());
        return MoveCaretRows(VisibleRows(), shift);
    case Qt::Key_Home:
        goalX_ = -1;
        if (ctrl) return MoveCaret({0, 0}, shift);
        return MoveCaret({caret_.line, Rows(caret_.line)[RowOf(caret_)]}, shift);
    case Qt::Key_End:
        goalX_ = -1;
        if (ctrl) return MoveCaret(text_.End(), shift);
        return MoveCaret({caret_.line, RowEnd(caret_.line, RowOf(caret_))}, shift);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return InsertText("\n");
    case Qt::Key_Backspace:
        if (!selection)
            anchor_ = caret_.col > 0 ? TextPos{caret_.line, PrevCol(line, caret_.col)}
                      : caret_.line > 0
                          ? TextPos{caret_.line - 1, text_.Line(caret_.line - 1).size()}
                          : caret_;
        return InsertText({});
    case Qt::Key_Delete:
        if (!selection)
            anchor_ = caret_.col < line.size() ? TextPos{caret_.line, NextCol(line, caret_.col)}
                      : caret_.line + 1 < text_.Count() ? TextPos{caret_.line + 1, 0}
                                                        : caret_;
        return InsertText({});
    default:
        break;
    }
    const QString typed = event->text();
    if (!ctrl && !typed.isEmpty() && typed.at(0).isPrint()) return InsertText(typed.toStdString());
    event->ignore();
}

void TMemo::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty()) InsertText(event->commitString().toStdString());
    event->accept();
}

void TMemo::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    goalX_ = -1;
    MoveCaret(HitTest(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
    dragging_ = true;
}

void TMemo::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) return;
    const QPoint p = event->position().toPoint();
    if (p.y() < 0) ScrollRows(-1);
    if (p.y() >= viewport()->height()) ScrollRows(1);
    caret_ = HitTest(p);
    viewport()->update();
}

void TMemo::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging_ = false;
}

void TMemo::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const TextPos at = HitTest(event->position().toPoint());
    const std::string_view s = text_.Line(at.line);
    std::size_t a = at.col, b = at.col;
    while (a > 0 && s[a - 1] != ' ') --a;
    while (b < s.size() && s[b] != ' ') ++b;
    anchor_ = {at.line, a};
    caret_ = {at.line, b};
    viewport()->update();
}

void TMemo::wheelEvent(QWheelEvent* event) {
    const QPoint d = event->angleDelta();
    if (d.x() != 0 || (event->modifiers() & Qt::ShiftModifier)) {
        const int steps = (d.x() != 0 ? d.x() : d.y()) / 120;
        QScrollBar* h = horizontalScrollBar();
        h->setValue(h->value() - steps * h->singleStep() * 3);
    } else {
        ScrollRows(-static_cast<long long>(d.y()) * QApplication::wheelScrollLines() / 120);
    }
    event->accept();
}

void TMemo::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void TMemo::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void TMemo::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) FontChanged();
    if (event->type() == QEvent::PaletteChange) viewport()->update();
}

} // namespace platform
