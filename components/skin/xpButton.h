#pragma once

#include "components/skin/KeyHold.h"
#include "components/skin/MouseEvents.h"
#include "components/skin/xpPressControl.h"

#include <QPointer>

#include <string>

// The owner-painted push button: XP gradient face, orange ring under the mouse, shadowed
// caption, and a flat grey look while its own Enabled flag is off. The widget itself stays
// enabled, so a disabled button still holds the focus and repaints.
class TxpButton : public TxpPressControl {
    Q_OBJECT

public:
    explicit TxpButton(QWidget* parent = nullptr);

    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Gradient() const { return gradient_; }
    void SetGradient(bool on);
    void SetHint(const std::string& hint) { setToolTip(QString::fromStdString(hint)); }
    // The font the caption is drawn with: the parent's while ParentFont is on (it follows the
    // parent's changes), else the button's own, bold navy until set. Setting it turns
    // ParentFont off.
    platform::TFont Font() const;
    void SetFont(const platform::TFont& font);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool on);

    // Non-zero: a click hands it to the button's form, which closes a modal form.
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int value) { modalResult_ = value; }
    // Enter (Default) or Esc (Cancel) clicks the button when neither the form's own key
    // handling nor the focused control used the key.
    bool Default() const { return default_; }
    void SetDefault(bool on);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool on);

    // Runs OnClick when enabled, then hands ModalResult to the form; every user path ends here.
    void Click();
    void PaintTo(platform::TCanvas& canvas) const override;

    // The left and right buttons are the button's own: they press and click and report
    // nothing. Other buttons report their press and release at a point of the button, and
    // every move reports, whatever Enabled says.
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

protected:
    void Fire() override { Click(); }
    bool IsPressKey(int key) const override {
        return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    }
    bool ActsWhileDisabled() const override { return true; }
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    bool IsWindowKey(int key) const;
    // The window whose unused keys the button watches while it is Default or Cancel.
    void WatchWindowKeys();

    std::string caption_ = "XP Button";
    bool gradient_ = true;
    platform::TFont font_;
    bool parentFont_ = true;
    int modalResult_ = 0;
    bool default_ = false;
    bool cancel_ = false;
    QPointer<QWidget> keyWindow_;
    TKeyHold windowKeys_; // Enter and Esc as the window sees them
};
