#include "platform/ClipboardText.h"

#include "platform/FreedMemory.h"

#include <QApplication>

namespace platform {

namespace {
const QString PlainText = QStringLiteral("text/plain");
}

ClipboardText::ClipboardText(MemoText text, TextPos from, TextPos to, std::string lineEnd)
    : text_(std::move(text)), from_(from), to_(to), lineEnd_(std::move(lineEnd)) {}

QStringList ClipboardText::formats() const {
    return {PlainText};
}

bool ClipboardText::hasFormat(const QString& mimeType) const {
    return mimeType == PlainText;
}

QVariant ClipboardText::retrieveData(const QString& mimeType, QMetaType type) const {
    if (mimeType != PlainText) return {};
    const std::size_t size = Size();
    // Hundreds of megabytes take a second or two: the pointer says the program is working.
    const bool slow = size > (std::size_t{32} << 20);
    if (slow) QApplication::setOverrideCursor(Qt::WaitCursor);
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(size));
    text_.Visit(from_, to_, lineEnd_, [&bytes](std::string_view s) {
        bytes.append(s.data(), static_cast<qsizetype>(s.size()));
    });
    if (slow) {
        QApplication::restoreOverrideCursor();
        HandBackFreedMemoryLater();
    }
    if (type.id() == QMetaType::QString) return QString::fromUtf8(bytes);
    return bytes;
}

} // namespace platform
