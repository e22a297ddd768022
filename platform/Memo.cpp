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
    std::string all;
    std::size_t size = 0;
    for (const auto& l : lines) size += l.size() + 1;
    all.reserve(size);
    for (const auto& l : lines) {
        all += l;
        all += '\n';
    }
    setPlainText(QString::fromStdString(all));
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
