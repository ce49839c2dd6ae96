#pragma once

#include <QRect>
#include <cmath>

namespace orvanta::ui {

// The window's layout is given in twips (1/1440 inch): 15 twips make one pixel at 96 dpi, and
// scaling by the screen's logical dpi keeps the proportions on any screen.
class TwipScale {
public:
    explicit TwipScale(double logicalDpi = 96.0) : pixelsPerTwip_(logicalDpi / 1440.0) {}

    int px(double twips) const { return static_cast<int>(std::lround(twips * pixelsPerTwip_)); }
    int twips(int pixels) const { return static_cast<int>(std::lround(pixels / pixelsPerTwip_)); }
    QRect rect(int left, int top, int width, int height) const {
        return QRect(px(left), px(top), px(width), px(height));
    }

private:
    double pixelsPerTwip_;
};

} // namespace orvanta::ui
