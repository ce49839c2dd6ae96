#pragma once

#include <QFont>

namespace orvanta::ui {

// Captions use the desktop's sans-serif face and text boxes its fixed-pitch face, at the point
// sizes the layout was measured with.
QFont CaptionFont(double pointSize, bool bold, bool underline = false);
QFont FixedPitchFont(double pointSize);

} // namespace orvanta::ui
