#pragma once

#include "ui/main_window.h"

#include <memory>

namespace orvanta::ui {

class SingleInstanceLock;

// What the program was started to do, and where a running copy listens for pages to open.
struct StartRequest {
    QString fileToOpen; // absolute; empty for none
    QString openChannel;
};

struct ProgramStart {
    std::unique_ptr<MainWindow> window; // none when another copy is running
    bool handedOver = false;            // the page went to the running copy
};

// Starts the program. As a second copy it hands its page to the running copy, or, with no page
// or no answer, tells the user that a copy is running; either way it touches no settings.
// Otherwise it builds the main window, restores the settings, shows it, listens for pages from
// later copies and opens its own page.
ProgramStart StartProgram(SingleInstanceLock& lock, MainWindowOptions options,
                          const StartRequest& request);

// The program's window icon, drawn from the same picture as the desktop's icon.
QIcon ProgramIcon();

} // namespace orvanta::ui
