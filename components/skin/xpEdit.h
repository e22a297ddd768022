#pragma once

#include "components/skin/TAlignment.h"
#include "platform/Canvas.h"
#include "platform/Colors.h"

#include <QLineEdit>

#include <functional>
#include <string>

enum TxpEditStyle { esXP = 0, esFlat = 1 };

// How a frame of the skinned edit looks at one moment.
struct TxpEditFrame {
    TxpEditStyle style = esFlat;
    bool rounded = false;
    int roundRadius = 4;
    core::TColor frameColor = core::clBtnShadow; // active or inactive, as the state selects
    core::TColor color = core::clWindow;         // the edit's own colour
    bool hotOrFocused = false;                   // the flat look outlines in frameColor then
};

// Paints the two-pixel frame of a w x h edit onto the canvas; pixels inside stay untouched.
void PaintXpEditFrame(platform::TCanvas& canvas, int w, int h, const TxpEditFrame& frame);

// Whether (x, y) lies in the rounded region (x1, y1, x2, y2) with corner ellipse r x r; the
// region's right and bottom end one pixel before x2 - 1 and y2 - 1, as the window system's
// rounded regions do.
bool InRoundRegion(int x, int y, int x1, int y1, int x2, int y2, int r);

// A line edit that paints its own flat or XP frame, hot while the mouse is over it or it has
// the focus, with text margins and alignment.
class TxpEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TxpEdit(QWidget* parent = nullptr);

    std::string Text() const { return text().toStdString(); }
    void SetText(const std::string& text) { setText(QString::fromStdString(text)); }

    TxpEditStyle Style() const { return style_; }
    void SetStyle(TxpEditStyle style);
    bool Rounded() const { return rounded_; }
    void SetRounded(bool on);
    int RoundRadius() const { return roundRadius_; }
    void SetRoundRadius(int radius);
    core::TColor ActiveFrameColor() const { return activeFrameColor_; }
    void SetActiveFrameColor(core::TColor color);
    core::TColor InActiveFrameColor() const { return inActiveFrameColor_; }
    void SetInActiveFrameColor(core::TColor color);
    int MarginLeft() const { return marginLeft_; }
    void SetMarginLeft(int margin);
    int MarginRight() const { return marginRight_; }
    void SetMarginRight(int margin);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    core::TColor Color() const { return color_; }
    void SetColor(core::TColor color);
    bool Hot() const { return hot_; }
    bool Entered() const { return entered_; }

    // The frame as it would be painted now.
    TxpEditFrame CurrentFrame() const;
    // The whole control with its frame, for tests and the window's own painting.
    QImage RenderFrame() const;
    // Mouse over and away, as the window system reports it.
    void MouseEnter();
    void MouseLeave();

    std::function<void()> OnChange;
    // key is set to 0 to consume it.
    std::function<void(int& key, Qt::KeyboardModifiers shift)> OnKeyDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ApplyRegion(bool rounded);
    void ApplyMargins();

    bool hot_ = false;
    bool entered_ = false;
    TxpEditStyle style_ = esFlat;
    int marginLeft_ = 2;
    int marginRight_ = 2;
    core::TColor activeFrameColor_ = core::clNavy;
    core::TColor inActiveFrameColor_ = core::clBtnShadow;
    TAlignment alignment_ = taLeftJustify;
    int roundRadius_ = 4;
    bool rounded_ = false;
    core::TColor color_ = core::clWindow;
};
