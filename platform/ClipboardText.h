#pragma once

#include "platform/MemoText.h"

#include <QMimeData>

namespace platform {

// Text offered to the clipboard without being written out: it keeps a copy of the memo's
// text (which shares what was handed over) and writes the range only when a program pastes,
// so a copy of hundreds of megabytes costs nothing until then and is not held afterwards.
class ClipboardText : public QMimeData {
public:
    ClipboardText(MemoText text, TextPos from, TextPos to, std::string lineEnd);

    QStringList formats() const override;
    bool hasFormat(const QString& mimeType) const override;
    // Bytes of the text as a paste gets them.
    std::size_t Size() const { return text_.RangeSize(from_, to_, lineEnd_.size()); }

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    MemoText text_;
    TextPos from_, to_;
    std::string lineEnd_;
};

} // namespace platform
