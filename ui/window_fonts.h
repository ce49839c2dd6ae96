#pragma once

#include <QFont>

namespace orvanta::ui {

// The layout was drawn with a sans-serif face for captions and a fixed-pitch face for the text
// boxes; the desktop's own faces of those kinds take their place.
QFont CaptionFont(double pointSize, bool bold, bool underline = false);
QFont FixedPitchFont(double pointSize);

} // namespace orvanta::ui
