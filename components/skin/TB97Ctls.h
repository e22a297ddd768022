#pragma once

#include "components/skin/KeyHold.h"
#include "components/skin/MouseEvents.h"
#include "components/skin/TAlignment.h"
#include "components/skin/TB97Glyph.h"
#include "components/skin/TB97Layout.h"
#include "components/skin/TB97States.h"
#include "components/skin/TB97Timer.h"
#include "platform/Canvas.h"

#include <QAbstractButton>
#include <QMenu>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>

// A light flat button: plain text on the background, a raised frame under the mouse, sunken
// while pressed or while its command runs; optionally latched in a group, repeating while held.
// The main windows' File and Help menus are two of them.
class TToolbarButton97 : public QAbstractButton {
    Q_OBJECT

public:
    explicit TToolbarButton97(QWidget* parent = nullptr);
    ~TToolbarButton97() override;

    std::string Caption() const { return text().toStdString(); }
    void SetCaption(const std::string& caption);
    // The parent's colour while ParentColor is on, else the button's own; setting it turns
    // ParentColor off.
    core::TColor Color() const;
    void SetColor(core::TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool on);
    // The parent's font while ParentFont is on (it follows the parent's changes), else the
    // button's own; setting it turns ParentFont off.
    platform::TFont Font() const;
    void SetFont(const platform::TFont& font);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool on);
    bool Enabled() const { return flags_.state != bsDisabled; }
    void SetEnabled(bool on);
    int Top() const { return y(); }
    int Height() const { return height(); }
    const ToolbarFlags& Flags() const { return flags_; }

    // Given to the form that holds the button when it is clicked.
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int value) { modalResult_ = value; }
    // Enter (Default) or Esc (Cancel) in the window clicks the button.
    bool Cancel() const { return cancel_; }
    void SetCancel(bool on) { cancel_ = on; }
    bool Default() const { return default_; }
    void SetDefault(bool on) { default_ = on; }

    bool Flat() const { return flat_; }
    void SetFlat(bool on);
    // A flat button that is not opaque shows what lies behind it.
    bool Opaque() const { return opaque_; }
    void SetOpaque(bool on);
    bool NoBorder() const { return noBorder_; }
    void SetNoBorder(bool on);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    // Hot even while no window of the program is active.
    bool ShowBorderWhenInactive() const { return showBorderWhenInactive_; }
    void SetShowBorderWhenInactive(bool on) { showBorderWhenInactive_ = on; }

    // Buttons of one parent with the same GroupIndex (not 0) are down one at a time.
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    bool Down() const { return flags_.down; }
    void SetDown(bool on);
    // The button has one down state, its own: pressed while held or while its command runs,
    // latched by Down. The platform's is not used.
    void setDown(bool) = delete;
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool on);
    // A latched button's content is checkered with the button highlight.
    bool HighlightWhenDown() const { return highlightWhenDown_; }
    void SetHighlightWhenDown(bool on);

    // Held down, the button clicks at once, after RepeatDelay and then every RepeatInterval.
    bool Repeating() const { return repeating_; }
    void SetRepeating(bool on) { repeating_ = on; }
    int RepeatDelay() const { return repeatDelay_; }
    void SetRepeatDelay(int ms) { repeatDelay_ = ms; }
    int RepeatInterval() const { return repeatInterval_; }
    void SetRepeatInterval(int ms) { repeatInterval_ = ms; }
    void SetTimerFactory(TimerFactory97 factory) { timerFactory_ = std::move(factory); }

    // The picture: NumGlyphs images side by side (up, disabled, pressed, latched, hot), or
    // image ImageIndex of Images; the caption beside it by Layout, Margin and Spacing.
    const QImage& Glyph() const { return glyph_->Glyph(); }
    void SetGlyph(const QImage& glyph);
    const QImage& GlyphMask() const { return glyph_->GlyphMask(); }
    void SetGlyphMask(const QImage& mask);
    int NumGlyphs() const { return glyph_->NumGlyphs(); }
    void SetNumGlyphs(int count);
    platform::TImageList* Images() const { return images_; }
    void SetImages(platform::TImageList* images);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    TButtonDisplayMode DisplayMode() const { return displayMode_; }
    void SetDisplayMode(TButtonDisplayMode mode);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return margin_; }
    void SetMargin(int margin);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    bool OldDisabledStyle() const { return oldDisabledStyle_; }
    void SetOldDisabledStyle(bool on);

    // A click drops the menu down under the button. DropdownCombo gives the arrow a part of
    // its own at the right: only a press there drops the menu, the rest clicks.
    QMenu* DropdownMenu() const { return dropdownMenu_; }
    void SetDropdownMenu(QMenu* menu);
    bool DropdownArrow() const { return dropdownArrow_; }
    void SetDropdownArrow(bool on);
    bool DropdownAlways() const { return dropdownAlways_; }
    void SetDropdownAlways(bool on);
    int DropdownArrowWidth() const { return dropdownArrowWidth_; }
    void SetDropdownArrowWidth(int width);
    bool DropdownCombo() const { return dropdownCombo_; }
    void SetDropdownCombo(bool on);

    // A fixed text; writing it changes nothing.
    std::string Version() const { return "Toolbar button 1.0"; }
    void SetVersion(const std::string&) {}

    // Shows pressed while OnClick runs, then up and no longer hot.
    void Click();
    void PaintTo(platform::TCanvas& canvas) const;

    std::function<void()> OnClick;
    std::function<void()> OnDblClick; // a double click on a latched button
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseExit;
    // Any mouse button, disabled or not, at a point of the button; a press reports after it
    // shows pressed and before its click or menu, a release before its click.
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    // Before the button follows the move.
    TMouseMoveEvent OnMouseMove;
    // Before the menu drops: may keep it up, or let a click that closes it reach the button.
    std::function<void(bool& showMenu, bool& removeClicks)> OnDropdown;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void Step(ToolbarInput input);
    void EnterIfActive();
    void CancelMode();
    void UpdateGroup();
    void UpdateOpaque();
    void WatchWindowKeys();
    bool IsDialogKey(const QKeyEvent& key) const;
    bool PointInFace(QPoint p) const;
    void RepeatTick();
    void GiveModalResult();
    bool UsesDropdown() const { return dropdownAlways_ || dropdownMenu_; }
    void DropDown();
    void ShowDropdownMenu(bool removeClicks);
    void PaintArrow(platform::TCanvas& c, int x, int y, int width) const;

    core::TColor color_ = core::clBtnFace;
    bool parentColor_ = false;
    platform::TFont font_;
    bool parentFont_ = true;
    ToolbarFlags flags_;
    int modalResult_ = 0;
    bool cancel_ = false;
    bool default_ = false;
    bool flat_ = true;
    bool opaque_ = true;
    bool noBorder_ = false;
    bool wordWrap_ = false;
    TAlignment alignment_ = taCenter;
    bool showBorderWhenInactive_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool highlightWhenDown_ = true;
    bool repeating_ = false;
    int repeatDelay_ = 400;
    int repeatInterval_ = 100;
    TimerFactory97 timerFactory_ = MakeEventLoopTimer;
    std::unique_ptr<TTimer97> repeatTimer_;
    QPoint lastMouse_; // where the last mouse message was, for the repeat's face test
    QPointer<QWidget> keyWindow_;
    TKeyHold windowKeys_; // Enter and Esc as the window sees them
    std::unique_ptr<TButtonGlyph> glyph_;
    QPointer<platform::TImageList> images_;
    QMetaObject::Connection imagesChange_, imagesGone_;
    int imageIndex_ = -1;
    TButtonDisplayMode displayMode_ = dmBoth;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    bool oldDisabledStyle_ = false;
    QPointer<QMenu> dropdownMenu_;
    QMetaObject::Connection menuGone_;
    bool dropdownArrow_ = true;
    bool dropdownAlways_ = false;
    int dropdownArrowWidth_ = 9;
    bool dropdownCombo_ = false;
};

// The checkered brush of a latched button: button face, button highlight where x + y is even.
QImage DownPatternBitmap();
