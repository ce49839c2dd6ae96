#include "ui/window_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace orvanta::ui {

QFont CaptionFont(double pointSize, bool bold, bool underline) {
    // The captions were fitted to a narrow face; faces with Arial's widths fit them the same way,
    // where the desktop's wider default would cut them off.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setFamilies(QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                 QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica"),
                                 font.family()});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont FixedPitchFont(double pointSize) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(pointSize);
    font.setBold(false);
    return font;
}

} // namespace orvanta::ui
