#include "ui/program_start.h"

#include "ui/program_identity.h"
#include "ui/resources.h"
#include "ui/single_instance_lock.h"
#include "ui/user_dialogs.h"

#include <QCoreApplication>
#include <QIcon>

namespace orvanta::ui {

std::unique_ptr<MainWindow> StartProgram(SingleInstanceLock& lock, MainWindowOptions options) {
    if (!lock.tryLock()) {
        options.dialogs->showMessage(nullptr,
                                     QStringLiteral("A copy of ") + WindowCaption() +
                                         QStringLiteral(" is already running."),
                                     ProgramName(), MessageIcon::None);
        return nullptr;
    }
    // The window ends the program only once its settings are saved; from then on a new copy may
    // start, even while this one is still finishing.
    options.endProgram = [&lock, end = std::move(options.endProgram)] {
        lock.release();
        if (end) {
            end();
        } else {
            QCoreApplication::quit();
        }
    };
    auto window = std::make_unique<MainWindow>(std::move(options));
    window->setWindowIcon(ProgramIcon());
    window->start();
    return window;
}

QIcon ProgramIcon() {
    QIcon icon;
    EnsureResources();
    icon.addFile(QStringLiteral(":/orvanta/icons/orvanta-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/orvanta/icons/orvanta-32.png"), QSize(32, 32));
    return icon;
}

} // namespace orvanta::ui
