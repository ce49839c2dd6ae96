#pragma once

#include <QString>

namespace orvanta::ui {

// The text of the help window; manualAddress is where the illustrated manual can be found.
// Lines are separated by "\n". The text lives in the resource file help.txt, where %MANUAL%
// stands for the address.
QString HelpText(const QString& manualAddress);

} // namespace orvanta::ui
