// Pages named from outside the window: the command line, a later copy of the program, a drop.
#include "core/input_file_check.h"
#include "ui/command_line.h"
#include "ui/open_request_channel.h"
#include "window_fixture.h"

#include <QDropEvent>
#include <QFileDialog>
#include <QMimeData>
#include <QProcess>
#include <QTimer>

using orvanta::ui::FileToOpen;

namespace {

// Drags data over target and drops it there, as the desktop would.
bool DropOn(QWidget* target, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    data.setText(urls.isEmpty() ? QString() : urls.first().toString());
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted();
}

} // namespace

class OpenFileTest : public QObject {
    Q_OBJECT
private slots:
    void commandLineNamesThePageRelativeToTheWorkingFolder() {
        const std::tuple<QStringList, QString, QString> rows[] = {
            {{}, "/home/u", ""},
            {{"site/index.html"}, "/home/u", "/home/u/site/index.html"},
            {{"../b.htm", "ignored.html"}, "/home/u/a", "/home/u/b.htm"},
            {{"/srv/page.html"}, "/home/u", "/srv/page.html"},
            {{"--", "-odd.html"}, "/home/u", "/home/u/-odd.html"},
            {{"file:///srv/a%20b.html"}, "/home/u", "/srv/a b.html"}};
        for (const auto& [arguments, workingFolder, page] : rows) {
            QCOMPARE(FileToOpen(QStringList{"orvanta"} + arguments, workingFolder), page);
        }
    }

    // A page dropped anywhere on the window, a text box included, is checked as the open
    // dialog's choice is: a good page is taken quietly, a wrong name is told, and either way the
    // name stands in the box. An address of another computer is refused.
    void aDroppedFileIsOpenedAndAnotherAddressIsRefused() {
        WindowFixture f;
        f.start();
        const QString page = f.writeFile("drop.html", "<title>Drop</title>");
        QVERIFY(DropOn(f.box("txbWordsToIgnore"), {QUrl::fromLocalFile(page)}));
        QCOMPARE(f.box("txbInputFile")->text(), page);
        QCOMPARE(f.box("txbWordsToIgnore")->text(), QString());
        QCOMPARE(f.focus(), QString("cmdGenerateKeywordMetaTag"));
        QVERIFY(f.dialogs.messages.isEmpty());

        const QString missing = f.folder.filePath("missing.html");
        QVERIFY(DropOn(f.window.get(), {QUrl::fromLocalFile(missing)}));
        QCOMPARE(f.box("txbInputFile")->text(), missing);
        QVERIFY(DropOn(f.box("txbInputFile"), {QUrl("https://example.org/page.html")}));
        QCOMPARE(f.box("txbInputFile")->text(), missing);
        QCOMPARE(f.dialogs.messages,
                 QStringList({StandInDialogs::Entry(orvanta::core::InputFileNameMessage(
                                  orvanta::core::InputFileNameCheck::Missing)),
                              StandInDialogs::Entry(orvanta::core::NotLocalFileMessage(
                                  "https://example.org/page.html"))}));
    }

    void aPageGivenDuringARunIsTakenWhenTheRunEnds() {
        WindowFixture f;
        QString later;
        f.startOn("<title>Lantern lantern</title>",
                  [&](const std::string& path, orvanta::RunHost& host) {
                      f.window->openFile(later);
                      return orvanta::RunAnalysis(path, host);
                  });
        later = f.writeFile("later.html", "<title>Later</title>");
        f.click("cmdGenerateKeywordMetaTag");
        QVERIFY(f.output().startsWith("<META NAME=\"keywords\" CONTENT=\"lantern\">"));
        QTRY_COMPARE(f.box("txbInputFile")->text(), later);
        QCOMPARE(f.output(), QString());
    }

    // The program itself, started a second time with a page, hands it to the window running
    // here, which takes it and comes to the front; the second copy ends quietly. With nobody
    // listening, the hand-over fails.
    void aSecondCopyStartedWithAPageHandsItToTheRunningWindow() {
        WindowFixture f;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(f.folder.path()));
        orvanta::ui::SingleInstanceLock lock;
        const QString page = f.writeFile("ä handed.html", {});
        QVERIFY(f.startProgram(lock, orvanta::ui::DefaultOpenChannelName()));

        QProcess second;
        second.setWorkingDirectory(f.folder.path());
        second.start(ORVANTA_APP_PATH, {"-platform", "offscreen", "ä handed.html"});
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 10000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(f.box("txbInputFile")->text(), page);
        QVERIFY(f.dialogs.messages.isEmpty());
        QVERIFY(f.window->isActiveWindow());
        qunsetenv("XDG_RUNTIME_DIR");
        QVERIFY(!orvanta::ui::HandFileToRunningCopy(f.folder.filePath("nobody"), "/x.html", 300));
    }

    // The open dialog starts in the folder of the page named in the input box, when that folder
    // exists (names relative to the working folder).
    void theOpenDialogStartsWhereTheNamedPageIs() {
        WindowFixture f;
        f.start();
        const QString here = f.folder.path();
        const std::pair<QString, QString> rows[] = {{here + "/page.html", here},
                                                    {"  " + here + "/page.html  ", here},
                                                    {"page.html", QDir::currentPath()},
                                                    {here + "/none/page.html", ""},
                                                    {"", ""}};
        for (const auto& [named, folder] : rows) {
            f.box("txbInputFile")->setText(named);
            f.click("cmdInputFile");
            QCOMPARE(f.dialogs.dialogFolder, folder);
        }
    }

    // The desktop's dialog shows that folder, and offers HTML files, then every file.
    void theRealDialogShowsTheFolderAndTheFilters() {
        WindowFixture f;
        orvanta::ui::QtUserDialogs desktop;
        orvanta::ui::MainWindowOptions options = f.windowOptions();
        options.dialogs = &desktop;
        orvanta::ui::MainWindow window(options);
        window.start();
        window.findChild<QLineEdit*>("txbInputFile")->setText(f.folder.filePath("page.html"));
        QStringList shown;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            shown << dialog->directory().absolutePath() << dialog->nameFilters();
            dialog->reject();
        });
        QTest::mouseClick(window.findChild<QWidget*>("cmdInputFile"), Qt::LeftButton);
        QCOMPARE(shown,
                 QStringList({QDir(f.folder.path()).absolutePath(),
                              "HTML files (*.htm, *.html) (*.htm *.html)", "All files (*) (*)"}));
    }
};

QTEST_MAIN(OpenFileTest)
#include "open_file_test.moc"
