#include "ui/window_geometry.h"

#include <algorithm>
#include <cmath>

namespace orvanta::ui {

namespace {

// Fractions become whole twips by rounding half to even.
int Round(double value) {
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

LargeWindowLayout ComputeLargeWindowLayout(bool large, int screenHeight, int normalHeight,
                                           int metaTagTop, int frameHeight) {
    LargeWindowLayout layout;
    if (large) {
        layout.windowTop = 300;
        layout.windowHeight = Round(0.9 * screenHeight);
    } else {
        layout.windowHeight = normalHeight;
        layout.windowTop = Round((screenHeight - normalHeight) / 2.0);
    }
    layout.metaTagHeight = layout.windowHeight - metaTagTop - frameHeight - 550;
    layout.frameTop = layout.metaTagHeight + metaTagTop + 100;
    return layout;
}

HelpWindowLayout ComputeHelpWindowLayout(int windowWidth, int windowHeight, int closeWidth) {
    HelpWindowLayout layout;
    layout.textWidth = std::max(0, windowWidth - 350);
    layout.textHeight = std::max(0, windowHeight - 1080);
    layout.closeTop = windowHeight - 800;
    layout.closeLeft = Round((windowWidth - closeWidth) / 2.0);
    return layout;
}

int CentredCopyButtonLeft(int stripWidth, int helpLeft, int helpWidth, int copyWidth,
                          int quitWidth) {
    const int gap = Round((stripWidth - (copyWidth + helpWidth + quitWidth)) / 2.0);
    return helpLeft + helpWidth + gap;
}

} // namespace orvanta::ui
