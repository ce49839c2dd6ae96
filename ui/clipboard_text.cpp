#include "ui/clipboard_text.h"

namespace orvanta::ui {

QString ClipboardText(const QString& outputBoxText) {
    const qsizetype summary =
        outputBoxText.indexOf(QLatin1String("Number of keywords in meta tag"));
    return summary < 0 ? outputBoxText : outputBoxText.left(summary);
}

} // namespace orvanta::ui
