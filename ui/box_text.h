#pragma once

#include <QString>

class QPlainTextEdit;

namespace orvanta::ui {

// Replaces the text of a box. A text of many lines (a word list of a large page can have
// millions) is stored as paragraphs of up to 64 lines joined by line separators: the box builds
// and lays out one paragraph per group instead of one per line, which is many times faster, and
// the box's plain text (what is read back and copied) is the same.
void ShowBoxText(QPlainTextEdit* box, const QString& text);

// The text as ShowBoxText stores it: every line break but each 64th becomes a line separator.
// Texts of up to kGroupedLinesFrom lines are returned unchanged.
QString GroupLines(const QString& text);

inline constexpr int kGroupedLinesFrom = 1000;

} // namespace orvanta::ui
