#pragma once

#include "components/skin/xpCaption.h"
#include "components/skin/xpWindowHost.h"
#include "components/skin/xpWindowParts.h"

#include <QObject>
#include <QPointer>

class QMenu;
class QMouseEvent;
class QShortcut;
class QWindowStateChangeEvent;
class QTimer;
#include <QWidget>

// The skin of one window: a frameless top-level window whose caption, border and buttons are
// painted here, with the client area moved inside them by the frame margins, so no control
// moves.
class TxpWindow : public QObject, public TxpWindowHost {
    Q_OBJECT

public:
    // With storedLayout the skin takes the values every window of the programs stores: the blue
    // preset, the caption font and an active gradient background.
    explicit TxpWindow(QWidget* form, bool storedLayout = true);
    ~TxpWindow() override;

    template <class T> using P = TProperty<TxpWindow, T>;

    // Parts first: Active and Style reach into them.
    TWindowSizeInfo SizeInfo{this};
    TStickWindow StickWindow;
    TxpCaption xpCaption{this};
    TxpWindowBackground WinBackground{this};
    P<bool> Active{this, &TxpWindow::SetActive, false};
    P<TxpWindowStyle> Style{this, &TxpWindow::SetStyle, xwsCustom};

    TOnCustomButtonDraw OnCustomButtonDraw;
    TOnCustomButtonClick OnCustomButtonClick;
    TOnCustomDraw OnCustomDrawTitle;
    TOnCustomButtonDraw OnCustomSysBtnDraw;
    TOnCustomDraw OnCustomBorderDraw;

    QWidget* Form() const { return form_; }
    TFrameInfo FrameInfo() const;
    virtual QRegion CreateRegion(TRoundedCorners corners) const;
    // The frame as it shows now (hot and pressed buttons included), in window coordinates.
    QImage RenderFrame();

    // Called by the parts when their values change.
    void StyleChangedByHand() override;
    void RefreshFrame() override;
    void Relayout() override;
    void InvalidateClient() override;
    void ApplySizeLimits() override;
    void ApplyRegion();

    bool CustomDrawTitle(void* sender, platform::TCanvas& canvas, platform::TRect r, bool active,
                         bool& goOn) override;
    bool CustomButtonDraw(void* sender, platform::TCanvas& canvas, platform::TRect r, int index,
                          int state) override;
    bool CustomSysBtnDraw(platform::TCanvas& canvas, platform::TRect r, int kind,
                          int state) override;
    bool CustomBorderDraw(platform::TCanvas& canvas, platform::TRect r, bool active,
                          bool& goOn) override;

    // Caption and border while the skin is on (the window's frame is ours).
    bool OwnsFrame() const;
    // The window menu (Restore, Minimize, Maximize, Close) at a screen point.
    void ShowWindowMenu(QPoint global);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetActive(bool value);
    void SetStyle(TxpWindowStyle value);
    void HookForm();
    void UnhookForm();
    void RestoreFrame();
    void SetFrameless(bool on);
    bool FormEvent(QEvent* event);
    bool MousePress(QMouseEvent* e);
    bool MouseMove(QMouseEvent* e);
    bool MouseRelease(QMouseEvent* e);
    bool MouseDoubleClick(QMouseEvent* e);
    void UpdateHot(QPoint p);
    void ClearHotAndPressed();
    void UpdateFrameActive();
    void RunButton(int index);
    void PaintClient(QWidget* client, const QRect& area);
    bool SizeLimitsOn() const;
    QMargins SystemFrame() const;
    QRect MaximizedPlace() const;
    void SchedulePlaceMaximized();
    void MaximizedChanged(const QWindowStateChangeEvent* e);
    void PlaceMaximized();
    // The window's place while the user drags or sizes it by hand.
    QRect Snapped(QRect g) const;
    QRect Resized(QPoint delta) const;
    platform::TRect WindowRect() const;
    platform::TRect CaptionRect() const;

    QPointer<QWidget> form_;
    QPointer<QWidget> client_;
    bool hooked_ = false;
    bool hadCaption_ = true;
    Qt::WindowFlags nativeFlags_;
    unsigned borderIcons_ = biAll;
    QImage frameCache_;
    bool frameDirty_ = true;
    QImage backgroundCache_;
    bool backgroundDirty_ = true;
    // A caption press waits for a drag distance before the move starts, so that a double click
    // still reaches the caption.
    enum class Drag { None, Pending, Move, Resize };
    Drag drag_ = Drag::None;
    int dragEdge_ = 0;
    QPoint pressGlobal_;
    QRect pressGeometry_;
    QTimer* iconMenuTimer_ = nullptr;
    QShortcut* menuKey_ = nullptr;
    bool limitsApplied_ = false;
    bool placingMaximized_ = false;
    bool placePending_ = false;
    bool placedMaximized_ = false;
    QRect normalPlace_;
    // A window system that insists on its own maximised place is asked only a few times.
    static constexpr int kPlaceTries = 3;
    int placeTries_ = 0;
    QMetaObject::Connection focusWatch_;
};
