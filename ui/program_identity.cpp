#include "ui/program_identity.h"

namespace orvanta::ui {

QString WindowCaption() {
    return ProgramName() + QLatin1Char(' ') + QStringLiteral(ORVANTA_VERSION);
}

} // namespace orvanta::ui
