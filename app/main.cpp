#include "ui/command_line.h"
#include "ui/open_request_channel.h"
#include "ui/program_arguments.h"
#include "ui/program_start.h"
#include "ui/settings_file_location.h"
#include "ui/single_instance_lock.h"
#include "ui/termination_signals.h"
#include "ui/user_dialogs.h"

#include <QApplication>
#include <QDir>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kExitUsage = 64;

// Help and the version need no window, nor a display to put one on.
std::optional<int> AnswerInformationRequest(int argc, char* argv[]) {
    std::string text;
    switch (orvanta::ui::FindInformationRequest({argv + 1, argv + argc})) {
    case orvanta::ui::InformationRequest::Help:
        text = orvanta::ui::HelpText();
        break;
    case orvanta::ui::InformationRequest::Version:
        text = orvanta::ui::VersionText();
        break;
    case orvanta::ui::InformationRequest::None:
        return std::nullopt;
    }
    std::cout << text << std::flush;
    return std::cout ? 0 : 1;
}

// What is left once Qt has taken out its own options must be a page, not an option.
bool RefuseUnknownOption() {
    std::vector<std::string> left;
    for (const QString& argument : QApplication::arguments().mid(1)) {
        left.push_back(argument.toLocal8Bit().toStdString());
    }
    const std::string unknown = orvanta::ui::FirstUnknownOption(left);
    if (unknown.empty()) {
        return false;
    }
    std::cerr << orvanta::ui::UnknownOptionText(unknown);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> answered = AnswerInformationRequest(argc, argv)) {
        return *answered;
    }
    QApplication app(argc, argv);
    if (RefuseUnknownOption()) {
        return kExitUsage;
    }
    app.setApplicationName(QStringLiteral("orvanta"));
    // Ties the windows to the desktop entry, for the desktop's icon and window grouping.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvanta.Orvanta"));
    app.setWindowIcon(orvanta::ui::ProgramIcon());

    orvanta::ui::QtUserDialogs dialogs;
    orvanta::ui::SingleInstanceLock lock;
    orvanta::ui::MainWindowOptions options;
    options.settingsFilePath = orvanta::ui::SettingsFileLocation();
    options.dialogs = &dialogs;
    orvanta::ui::StartRequest request;
    request.fileToOpen = orvanta::ui::FileToOpen(QApplication::arguments(), QDir::currentPath());
    request.openChannel = orvanta::ui::DefaultOpenChannelName();

    const orvanta::ui::ProgramStart started =
        orvanta::ui::StartProgram(lock, std::move(options), request);
    if (!started.window) {
        return started.handedOver ? 0 : 1;
    }
    // Logging out or `kill` closes the window as its close button does: the settings are saved.
    const orvanta::ui::TerminationSignals termination([&started] { started.window->close(); });
    return app.exec();
}
