#include "components/skin/ParentLook.h"

#include "platform/Colors.h"

#include <QWidget>

namespace {

// The colour of a role as the nearest widget that was given it has it.
bool GivenColor(const QWidget* w, QPalette::ColorRole role, core::TColor& color) {
    for (; w; w = w->parentWidget()) {
        if (w->palette().isBrushSet(QPalette::Active, role)) {
            color = platform::FromQColor(w->palette().color(QPalette::Active, role));
            return true;
        }
        if (w->isWindow()) break;
    }
    return false;
}

} // namespace

platform::TFont ParentFontOf(const QWidget* parent) {
    platform::TFont font;
    if (!parent) return font;
    // A widget's font carries what it and the widgets it sits in were given.
    const QFont f = parent->font();
    const auto given = f.resolveMask();
    if (given & (QFont::FamilyResolved | QFont::FamiliesResolved))
        font.Name = f.family().toStdString();
    if (given & QFont::SizeResolved) {
        if (f.pixelSize() > 0)
            font.Size = (f.pixelSize() * 72 + 48) / 96;
        else if (f.pointSizeF() > 0)
            font.Size = qRound(f.pointSizeF());
    }
    if (given & QFont::WeightResolved) font.Bold = f.weight() >= QFont::DemiBold;
    if (given & QFont::StyleResolved) font.Italic = f.italic();
    if (given & QFont::UnderlineResolved) font.Underline = f.underline();
    GivenColor(parent, QPalette::WindowText, font.Color);
    return font;
}

core::TColor ParentColorOf(const QWidget* parent) {
    core::TColor color = core::clBtnFace;
    GivenColor(parent, QPalette::Window, color);
    return color;
}
