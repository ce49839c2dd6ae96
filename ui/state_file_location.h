#pragma once

#include <QString>

namespace orvanta::ui {

// Where the settings live: "orv.usr" in the program's folder when the program may write there,
// otherwise "orvanta/orv.usr" in the user's configuration folder, so an installed program still
// keeps its settings.
QString StateFileLocation();

// The same choice for a given program folder and configuration folder.
QString StateFileLocation(const QString& programFolder, const QString& configFolder);

} // namespace orvanta::ui
