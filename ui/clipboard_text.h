#pragma once

#include <QString>

namespace orvanta::ui {

// What "Copy to clipboard" puts on the clipboard: the output box's text up to the summary lines
// that follow a generated tag ("Number of keywords in meta tag..."), or the whole text when they
// are absent. The search is case-sensitive, so a text the user has reworded is copied whole.
QString ClipboardText(const QString& outputBoxText);

} // namespace orvanta::ui
