#pragma once

#include "platform/Canvas.h"

// What the parts of a skinned window (caption, background, size limits) ask of the window that
// owns them: to follow their value changes and to fire its drawing events. The parts see only
// this, so they do not depend on the window itself.
class TxpWindowHost {
public:
    // A preset's value was changed by hand: the window's style becomes custom.
    virtual void StyleChangedByHand() = 0;
    virtual void RefreshFrame() = 0;
    virtual void Relayout() = 0;
    virtual void InvalidateClient() = 0;
    virtual void ApplySizeLimits() = 0;

    // The drawing events; each returns false when the event is not assigned. The sender of the
    // title and custom button events is the caption, that of the others the window.
    virtual bool CustomDrawTitle(void* sender, platform::TCanvas& canvas, platform::TRect r,
                                 bool active, bool& goOn) = 0;
    virtual bool CustomButtonDraw(void* sender, platform::TCanvas& canvas, platform::TRect r,
                                  int index, int state) = 0;
    virtual bool CustomSysBtnDraw(platform::TCanvas& canvas, platform::TRect r, int kind,
                                  int state) = 0;
    virtual bool CustomBorderDraw(platform::TCanvas& canvas, platform::TRect r, bool active,
                                  bool& goOn) = 0;

protected:
    TxpWindowHost() = default;
    TxpWindowHost(const TxpWindowHost&) = default;
    TxpWindowHost& operator=(const TxpWindowHost&) = default;
    ~TxpWindowHost() = default;
};
