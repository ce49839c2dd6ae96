#include "ui/box_text.h"

#include <QPlainTextEdit>

namespace orvanta::ui {

namespace {

constexpr int kLinesPerParagraph = 64;

} // namespace

QString GroupLines(const QString& text) {
    if (text.count(QLatin1Char('\n')) < kGroupedLinesFrom) {
        return text;
    }
    QString grouped = text;
    int linesInParagraph = 0;
    for (QChar& c : grouped) {
        if (c != QLatin1Char('\n')) {
            continue;
        }
        if (++linesInParagraph < kLinesPerParagraph) {
            c = QChar::LineSeparator;
        } else {
            linesInParagraph = 0;
        }
    }
    return grouped;
}

void ShowBoxText(QPlainTextEdit* box, const QString& text) {
    box->setPlainText(GroupLines(text));
}

} // namespace orvanta::ui
