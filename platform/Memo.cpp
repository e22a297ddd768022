#include "platform/Memo.h"

#include "platform/TextFile.h"

namespace platform {

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void TMemo::Add(const std::string& line) {
    QString text = toPlainText();
    if (!text.isEmpty() && !text.endsWith('\n')) text += '\n';
    text += QString::fromStdString(line) + '\n';
    setPlainText(text);
}

void TMemo::SetLines(const std::vector<std::string>& lines) {
    // Straight into the control's text: results can run to hundreds of megabytes.
    std::size_t size = 0;
    for (const auto& l : lines) size += l.size() + 1;
    QString all;
    all.reserve(static_cast<qsizetype>(size));
    for (const auto& l : lines) {
        all.append(QString::fromUtf8(l.data(), static_cast<qsizetype>(l.size())));
        all += QLatin1Char('\n');
    }
    setPlainText(all);
}

std::vector<std::string> TMemo::Lines() const {
    return SplitLines(toPlainText().toStdString());
}

std::string TMemo::Text() const {
    return toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n")).toStdString();
}

void TMemo::SetText(const std::string& text) {
    QString t = QString::fromStdString(text);
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(t);
}

} // namespace platform
