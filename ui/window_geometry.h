#pragma once

namespace orvanta::ui {

// The window formulas below work with outer window sizes, title bar and borders included.
// Desktops differ in how big their decorations are, so the program measures its client areas and
// adds this fixed frame allowance; that keeps every control at the same place whatever the window
// manager draws around it.
inline constexpr int kFrameAllowanceWidth = 120;  // twips: both side borders
inline constexpr int kFrameAllowanceHeight = 405; // twips: title bar and both borders

// Twips.
struct LargeWindowLayout {
    int windowTop = 0;
    int windowHeight = 0;
    int metaTagHeight = 0;
    int frameTop = 0;
};

// "Large window" on: the window gets 90% of the screen's height, 300 twips from its top. Off:
// the height it had at start-up, centred vertically. The output box takes up the height that
// is left and the bottom strip follows it.
LargeWindowLayout ComputeLargeWindowLayout(bool large, int screenHeight, int normalHeight,
                                           int metaTagTop, int frameHeight);

// Twips. Sizes never go below zero when the user makes the window smaller than the layout.
struct HelpWindowLayout {
    int textWidth = 0;
    int textHeight = 0;
    int closeLeft = 0;
    int closeTop = 0;
};

HelpWindowLayout ComputeHelpWindowLayout(int windowWidth, int windowHeight, int closeWidth);

// Left edge of the copy button in the bottom strip: centred in the gap between Help and Quit.
int CentredCopyButtonLeft(int stripWidth, int helpLeft, int helpWidth, int copyWidth,
                          int quitWidth);

} // namespace orvanta::ui
