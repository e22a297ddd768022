#pragma once

#include "components/skin/Property.h"
#include "components/skin/XPGraphUtil.h"
#include "components/skin/xpWindowHost.h"

#include <QImage>
#include <QRect>

#include <cstdint>

enum TwgbStyle : std::uint8_t { wbgNone, wbgGradient, wbgTiled, wbgStretched };

// The client background of a skinned window.
class TxpWindowBackground {
public:
    explicit TxpWindowBackground(TxpWindowHost* owner) : owner_(owner) {}
    TxpWindowBackground(const TxpWindowBackground&) = delete;
    TxpWindowBackground& operator=(const TxpWindowBackground&) = delete;

    template <class T> using P = TProperty<TxpWindowBackground, T>;
    P<bool> Active{this, &TxpWindowBackground::SetActive, false};
    P<TwgbStyle> Style{this, &TxpWindowBackground::SetStyle, wbgGradient};
    P<TFillDirection> GradientFillDir{this, &TxpWindowBackground::SetGradientFillDir,
                                      fdVerticalFromCenter};
    P<core::TColor> StartColor{this, &TxpWindowBackground::SetStartColor, 0xF4DFD2};
    P<core::TColor> EndColor{this, &TxpWindowBackground::SetEndColor, 0xF9EFE9};
    P<QImage> Image{this, &TxpWindowBackground::SetImage, QImage()};

    // Paints the client rectangle r; formColor stands in where there is nothing to show.
    void PaintBackground(platform::TCanvas& canvas, platform::TRect r,
                         core::TColor formColor) const;

private:
    void SetActive(bool value);
    void SetStyle(TwgbStyle value);
    void SetGradientFillDir(TFillDirection value);
    void SetStartColor(core::TColor value);
    void SetEndColor(core::TColor value);
    void SetImage(QImage value);
    void Invalidate();

    TxpWindowHost* owner_;
};

// Fixed size limits of the window.
class TWindowSizeInfo {
public:
    explicit TWindowSizeInfo(TxpWindowHost* owner);
    TWindowSizeInfo(const TWindowSizeInfo&) = delete;
    TWindowSizeInfo& operator=(const TWindowSizeInfo&) = delete;

    template <class T> using P = TProperty<TWindowSizeInfo, T>;
    P<bool> Active{this, &TWindowSizeInfo::SetActive, false};
    P<int> MaxSizeWidth{this, &TWindowSizeInfo::SetMaxSizeWidth, 0};
    P<int> MaxSizeHeight{this, &TWindowSizeInfo::SetMaxSizeHeight, 0};
    P<int> MaxPositionX{this, &TWindowSizeInfo::SetMaxPositionX, 0};
    P<int> MaxPositionY{this, &TWindowSizeInfo::SetMaxPositionY, 0};
    P<int> MinTrackWidth{this, &TWindowSizeInfo::SetMinTrackWidth, 0};
    P<int> MinTrackHeight{this, &TWindowSizeInfo::SetMinTrackHeight, 0};
    P<int> MaxTrackWidth{this, &TWindowSizeInfo::SetMaxTrackWidth, 0};
    P<int> MaxTrackHeight{this, &TWindowSizeInfo::SetMaxTrackHeight, 0};
    P<bool> UseSystemSettings{this, &TWindowSizeInfo::SetUseSystemSettings, false};

    // The tracking limits to apply, the maximum never below the minimum.
    QSize MinTrack() const;
    QSize MaxTrack() const;
    // Where a maximised window goes on a screen with the given work area.
    QRect Maximized(QRect workArea) const;

private:
    void SetActive(bool value);
    void SetUseSystemSettings(bool value);
    void FillSystemMetrics();
    void SetValue(P<int>& field, int value);
    void SetMaxSizeWidth(int v) { SetValue(MaxSizeWidth, v); }
    void SetMaxSizeHeight(int v) { SetValue(MaxSizeHeight, v); }
    void SetMaxPositionX(int v) { SetValue(MaxPositionX, v); }
    void SetMaxPositionY(int v) { SetValue(MaxPositionY, v); }
    void SetMinTrackWidth(int v) { SetValue(MinTrackWidth, v); }
    void SetMinTrackHeight(int v) { SetValue(MinTrackHeight, v); }
    void SetMaxTrackWidth(int v) { SetValue(MaxTrackWidth, v); }
    void SetMaxTrackHeight(int v) { SetValue(MaxTrackHeight, v); }

    TxpWindowHost* owner_;
};

enum TDockBorder : unsigned { dbLeft = 1, dbRight = 2, dbTop = 4, dbBottom = 8 };

// Snapping of the window to the edges of the work area while the user moves it.
class TStickWindow {
public:
    bool Active = false;
    int StickAt = 20;
    unsigned DockBorders = dbLeft | dbRight | dbTop | dbBottom;

    // The window rectangle w (x, y, cx, cy) after snapping to the work area.
    QRect Snap(QRect w, QRect workArea) const;
};
