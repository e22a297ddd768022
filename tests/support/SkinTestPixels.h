#pragma once

// Colours and pixel probes shared by the skin kit's drawing tests.

#include "components/skin/XPGraphUtil.h"
#include "platform/Canvas.h"
#include "platform/Colors.h"

#include <QImage>

#include <gtest/gtest.h>

#include <initializer_list>
#include <span>

namespace skin_test {

using core::Rgb;
using core::TColor;

// The colour of band i of n between two colours, by the rounding rule of the gradient bands.
inline TColor Band(TColor from, TColor to, int i, int n) {
    auto ch = [&](int shift) {
        const int a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
        return a + MulDiv(i, b - a, n - 1);
    };
    return Rgb(ch(0), ch(8), ch(16));
}

// A system colour as it shows on the screen.
inline TColor Sys(TColor c) {
    return platform::FromQColor(platform::ToQColor(c));
}

inline TColor At(const QImage& image, int x, int y) {
    return platform::FromQColor(image.pixelColor(x, y));
}

inline TColor At(platform::TCanvas& canvas, int x, int y) {
    return canvas.Pixel(x, y);
}

// A control painted on its own, at its size.
template <class W> QImage Render(const W& w) {
    QImage image(w.size(), QImage::Format_RGB32);
    platform::TCanvas canvas(&image);
    w.PaintTo(canvas);
    return image;
}

struct Pixel {
    int x, y;
    TColor color;
};

// Tables of pixels, on an image or a canvas, are arrays of Pixel or braced lists.
template <class Target>
void ExpectPixels(Target&& target, std::span<const Pixel> pixels, const char* look) {
    for (const Pixel& p : pixels)
        EXPECT_EQ(At(target, p.x, p.y), p.color) << look << " at " << p.x << "," << p.y;
}

template <class Target>
void ExpectPixels(Target&& target, std::initializer_list<Pixel> pixels, const char* look) {
    ExpectPixels(target, std::span<const Pixel>(pixels.begin(), pixels.size()), look);
}

} // namespace skin_test
