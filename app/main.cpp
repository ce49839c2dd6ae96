#include "ui/program_start.h"
#include "ui/single_instance_lock.h"
#include "ui/state_file_location.h"
#include "ui/termination_signals.h"
#include "ui/user_dialogs.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("orvanta"));
    app.setWindowIcon(orvanta::ui::ProgramIcon());

    orvanta::ui::QtUserDialogs dialogs;
    orvanta::ui::SingleInstanceLock lock;
    orvanta::ui::MainWindowOptions options;
    options.stateFilePath = orvanta::ui::StateFileLocation();
    options.dialogs = &dialogs;

    const auto window = orvanta::ui::StartProgram(lock, std::move(options));
    if (!window) {
        return 1;
    }
    // Logging out or `kill` closes the window as its close button does: the settings are saved.
    const orvanta::ui::TerminationSignals termination([&window] { window->close(); });
    return app.exec();
}
