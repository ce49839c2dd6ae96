#pragma once

#include <QString>

namespace orvanta::ui {

// The title that message boxes without a title of their own bear.
inline QString ProgramName() {
    return QStringLiteral("Orvanta");
}

// "Orvanta 1.0": the program's name and the version it was built as.
QString WindowCaption();

} // namespace orvanta::ui
