// Takes the manual's pictures of the real window: opens a page, presses "Generate keywords meta
// tag", "List words" and "Help", and saves each view. With --dark the desktop's palette is a dark
// one, as a dark desktop theme would give the program, and only the main window is taken. With
// --only NAME only the main window after "Generate keywords meta tag" is taken, saved as NAME.
//
// Usage: orvanta-screenshots OUTPUT_FOLDER PAGE [--dark | --only NAME]
#include "bench/stand_in_desktop.h"
#include "ui/main_window.h"
#include "ui/program_start.h"
#include "ui/web_links.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

void Press(QWidget* window, const char* name) {
    QTest::mouseClick(window->findChild<QWidget*>(QLatin1String(name)), Qt::LeftButton);
    QTest::qWait(200);
}

// The help text names the manual where this harness found it, in a build folder; the picture
// shows where an installed copy finds it instead.
void ShowInstalledManualAddress(QWidget* help) {
    auto* text = help->findChild<QPlainTextEdit*>(QStringLiteral("txbHelpScreen"));
    text->setPlainText(
        text->toPlainText().replace(orvanta::ui::ManualUrl().toString(),
                                    QStringLiteral("file:///usr/share/orvanta/manual.html")));
}

bool Save(QWidget* widget, const QDir& folder, const QString& name) {
    const bool saved = widget->grab().save(folder.filePath(name));
    std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "saved" : "could not save",
                 qPrintable(folder.filePath(name)));
    return saved;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr,
                     "usage: orvanta-screenshots OUTPUT_FOLDER PAGE [--dark | --only NAME]\n");
        return 64;
    }
    const bool dark = args.contains(QStringLiteral("--dark"));
    const qsizetype only = args.indexOf(QStringLiteral("--only"));
    const QString onlyName = only > 0 && only + 1 < args.size() ? args[only + 1] : QString();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (dark) {
        QApplication::setPalette(DarkDesktopPalette());
    }
    const QDir out(args[1]);
    QTemporaryDir settings;
    StandInDialogs dialogs;
    orvanta::ui::MainWindowOptions options;
    options.settingsFilePath = settings.filePath(QStringLiteral("orv.usr"));
    options.dialogs = &dialogs;
    options.endProgram = [] {};
    orvanta::ui::MainWindow window(std::move(options));
    window.setWindowIcon(orvanta::ui::ProgramIcon());
    window.start();
    window.openFile(args[2]);
    QTest::qWait(300);

    Press(&window, "cmdGenerateKeywordMetaTag");
    if (!onlyName.isEmpty()) {
        return Save(&window, out, onlyName) ? 0 : 1;
    }
    if (dark) {
        return Save(&window, out, QStringLiteral("main-window-dark.png")) ? 0 : 1;
    }
    bool saved = Save(&window, out, QStringLiteral("main-window.png"));
    Press(&window, "cmdListWords");
    saved = Save(&window, out, QStringLiteral("word-list.png")) && saved;
    Press(&window, "cmdHelp");
    QWidget* help = window.findChild<QWidget*>(QStringLiteral("frmHelp"));
    if (help != nullptr) {
        ShowInstalledManualAddress(help);
    }
    saved = help != nullptr && Save(help, out, QStringLiteral("help-window.png")) && saved;
    if (!dialogs.messages.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(dialogs.messages.join(QLatin1Char('\n'))));
        return 1;
    }
    return saved ? 0 : 1;
}
