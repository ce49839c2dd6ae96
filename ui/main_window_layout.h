#pragma once

namespace orvanta::ui {

// Twips: positions of the main window that more than one part of the window works with.
inline constexpr int kClientWidth = 9450;
inline constexpr int kClientHeight = 6450;
inline constexpr int kOutputBoxTop = 3465;
inline constexpr int kBottomStripTop = 5715;
inline constexpr int kBottomStripWidth = 9255;
inline constexpr int kBottomStripHeight = 645;
inline constexpr int kHelpButtonWidth = 855;
inline constexpr int kCopyButtonWidth = 2430;
inline constexpr int kQuitButtonWidth = 855;

} // namespace orvanta::ui
