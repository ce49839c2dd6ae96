#pragma once

#include <QString>

namespace orvanta::ui {

// Where the settings live: "orvanta/orv.usr" in the user's configuration folder
// ($XDG_CONFIG_HOME, by default ~/.config). A portable copy of the program, one with an "orv.usr"
// already beside it in a folder it may write to, keeps using that file. The program never
// creates a settings file beside itself, so an installed program writes nothing where it is
// installed.
QString SettingsFileLocation();

// The same choice for a given program folder and configuration folder.
QString SettingsFileLocation(const QString& programFolder, const QString& configFolder);

} // namespace orvanta::ui
