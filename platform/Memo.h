#pragma once

#include <QPlainTextEdit>

#include <string>
#include <vector>

namespace platform {

// A multi-line text control with the string-list view of its text the programs use.
class TMemo : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TMemo(QWidget* parent = nullptr);

    void Clear() { clear(); }
    // Appends one line (the text then ends with a line end, as the original control's does).
    void Add(const std::string& line);
    // Replaces the text with these lines, in one piece.
    void SetLines(const std::vector<std::string>& lines);
    std::vector<std::string> Lines() const;
    int LineCount() const { return static_cast<int>(Lines().size()); }
    // The whole text with CR LF line ends.
    std::string Text() const;
    void SetText(const std::string& text);
    bool WordWrap() const { return lineWrapMode() != NoWrap; }
    void SetWordWrap(bool on) { setLineWrapMode(on ? WidgetWidth : NoWrap); }
};

} // namespace platform
