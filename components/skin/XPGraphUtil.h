#pragma once

#include "platform/Canvas.h"

#include <cstdint>

// Drawing routines every skinned element shares. Nothing here keeps state between calls.

enum TFillDirection : std::uint8_t {
    fdTopToBottom = 0,
    fdBottomToTop = 1,
    fdLeftToRight = 2,
    fdRightToLeft = 3,
    fdVerticalFromCenter = 4,
    fdHorizFromCenter = 5,
    fdXP = 6,
};

// How much the layered fill lightens its highlight strips, and the width of its edge.
inline constexpr int XPEdgeLighten = 30;
inline constexpr int XPEdgeWidth = 6;

// Multiply then divide with a 64-bit product, rounded to the nearest (halves away from zero).
int MulDiv(int number, int numerator, int denominator);

// Each channel minus Amount, clamped to 0..255; a negative Amount lightens.
core::TColor DarkenColor(core::TColor color, int amount);
void GrayscaleBitmap(platform::TBitmap& bitmap);

// Banded linear gradient, Direction 0..3 (fdTopToBottom .. fdRightToLeft). Leaves the pen solid.
void FillGradientBands(platform::TCanvas& canvas, platform::TRect rect, core::TColor color1,
                       core::TColor color2, int direction, int colors);
// The layered caption fill.
void FillGradientXP(platform::TCanvas& canvas, platform::TRect rect, core::TColor startColor,
                    core::TColor endColor, int colors);
// The entry point of the kit: every direction, from-centre and the layered fill included.
void DrawGradient(platform::TCanvas& canvas, platform::TRect rect, core::TColor startColor,
                  core::TColor endColor, TFillDirection direction, int colors);

// Repeats the picture over the rectangle from its top-left corner, clipped to it.
void TileBitmap(platform::TCanvas& canvas, platform::TRect rect, const QImage& bitmap);

// The colour values the transparent routines take besides an RGB value.
inline constexpr core::TColor clDefault = 0x20000000; // the bottom-left pixel's colour

// Nearest-pixel stretch of src onto dst, leaving dst visible where src has the colour key.
void MaskedStretchBlt(platform::TCanvas& dst, const QRect& dstRect, const QImage& src,
                      const QRect& srcRect, core::TColor transparent);
// Draws (part of) a bitmap stretched with one transparent colour: clNone copies everything,
// clDefault takes the bottom-left pixel's colour; a one-bit picture keys on white.
void StretchDrawTransparent(platform::TCanvas& canvas, const QImage& bitmap,
                            core::TColor transparentColor, int dstX, int dstY, int dstW, int dstH,
                            int srcX, int srcY, int srcW, int srcH);
void StretchDrawTransparentRect(platform::TCanvas& canvas, int dstX, int dstY, int dstW, int dstH,
                                platform::TRect srcRect, const QImage& bitmap,
                                core::TColor transparentColor);
void DrawTransparentRect(platform::TCanvas& canvas, int dstX, int dstY, platform::TRect srcRect,
                         const QImage& bitmap, core::TColor transparentColor);
void DrawTransparent(platform::TCanvas& canvas, int dstX, int dstY, const QImage& bitmap,
                     core::TColor transparentColor);
