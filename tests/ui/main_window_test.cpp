#include "core/input_file_check.h"
#include "core/limit_boxes.h"
#include "ui/program_identity.h"
#include "ui/web_links.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScreen>

using orvanta::core::InputFileCheck;

namespace {

const QByteArray kGardenPage = "<html><head><title>Rose garden</title></head><body>\n"
                               "<h1>Roses and pruning</h1>\n"
                               "<p>Roses need pruning. Garden roses like compost.</p>\n"
                               "<p>Compost feeds roses; pruning helps garden roses.</p>\n"
                               "</body></html>\n";

// Options in the order WindowFixture::options() lists them.
const QString kDefaultOptions = "|||50|500|3|2|1|1|3|on|on";

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    // "PAGE" in the settings file and in the expected options stands for an existing page. A
    // settings file that is no file never keeps the window from appearing; a save that fails is
    // reported, and the program still ends.
    void startShowsTheSavedOrDefaultOptions_data() {
        QTest::addColumn<QByteArray>("settingsFile");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("focus");
        const QByteArray saved = "\"PAGE\"\r\n\"Rose Garden\"\r\n\"Alpha  Beta,,\"\r\n\"999\"\r\n"
                                 "\"\"\r\n0\r\n2\r\n0\r\n9\r\n8\r\n2\r\n0\r\n";
        const QString restored = "|alpha,beta|Rose Garden|999||1|3|0|9|9|part|off";
        const QString next = "cmdGenerateKeywordMetaTag", open = "cmdInputFile";
        QTest::newRow("no settings file") << QByteArray() << kDefaultOptions << open;
        QTest::newRow("saved settings") << saved << "PAGE" + restored << next;
        QTest::newRow("saved page gone")
            << QByteArray(saved).replace("PAGE", "/no/such.html") << restored << open;
        // A value the file lacks gets its default; the others are kept.
        QTest::newRow("short file")
            << saved.chopped(3) << "PAGE" + QString(restored).replace("off", "on") << next;
        QTest::newRow("a folder") << QByteArray("FOLDER") << kDefaultOptions << open;
    }

    void startShowsTheSavedOrDefaultOptions() {
        QFETCH(QByteArray, settingsFile);
        QFETCH(QString, options);
        QFETCH(QString, focus);
        WindowFixture f;
        const QString page = f.writeFile("page.html", kGardenPage);
        if (settingsFile == "FOLDER") {
            QVERIFY(QDir().mkdir(f.settingsPath));
        } else if (!settingsFile.isEmpty()) {
            f.writeFile("orv.usr", settingsFile.replace("PAGE", page.toUtf8()));
        }
        f.start();
        QCOMPARE(f.options(), options.replace("PAGE", page));
        QCOMPARE(f.focus(), focus);
        QVERIFY(f.dialogs.messages.isEmpty());
        f.window->close();
        QCOMPARE(f.endCount, 1);
        const auto failed = orvanta::core::SaveSettingsErrorMessage("Is a folder");
        QCOMPARE(f.dialogs.messages, settingsFile == "FOLDER"
                                         ? QStringList{StandInDialogs::Entry(failed)}
                                         : QStringList());
    }

    // Reset and the clear buttons, and when a run reuses the word table it kept.
    void resetAndClearsAndTheKeptTable() {
        WindowFixture f;
        f.startOn(kGardenPage);
        f.box("txbWordsToIgnore")->setFocus();
        f.box("txbWordsToIgnore")->setText("roses");
        f.box("txbBeginMetaTagWith")->setText("rose garden");
        f.box("txbMaxNumKeywordsInMetaTag")->setText("20");
        f.find<QComboBox>("cboBoldWeight")->setCurrentIndex(7);
        f.find<QCheckBox>("chkIgnoreCommonWords")->setChecked(false);
        f.click("cmdReset");
        const QString page = f.box("txbInputFile")->text();
        QCOMPARE(f.options(), page + "|roses|rose garden|50|500|3|2|1|1|3|on|on");
        f.click("cmdListWords");
        QVERIFY(!f.output().contains("rose"));

        // Only settings that shape the word table make a run read the page again: not a limit,
        // but a list's choice; clearing the words to ignore takes effect at once.
        f.writeFile("page.html", kGardenPage + "<p>zebra zebra zebra zebra zebra</p>\n");
        f.box("txbMaxNumKeywordsInMetaTag")->setText("40");
        f.click("cmdGenerateKeywordMetaTag");
        QVERIFY(!f.output().contains("zebra"));
        f.find<QComboBox>("cboBoldWeight")->setCurrentIndex(4);
        f.click("cmdListWords");
        QVERIFY(f.output().contains("zebra") && !f.output().contains("rose"));
        f.click("cmdClearWordsToIgnore");
        f.click("cmdClearBeginMetaTagWith");
        f.click("cmdListWords");
        QVERIFY(f.output().contains("rose"));
        QCOMPARE(f.options(), page + "|||40|500|3|2|1|1|5|on|on");

        // Without a file name the kept table is not reused; each command reports the check.
        f.click("cmdClearInputFile");
        QCOMPARE(f.focus(), QString("cmdInputFile"));
        f.click("cmdGenerateKeywordMetaTag");
        f.box("txbInputFile")->setText(f.folder.filePath("gone.html"));
        f.click("cmdShowExistingKeywordMetaTag");
        QCOMPARE(f.dialogs.messages,
                 QStringList({StandInDialogs::Entry(InputFileMessage(InputFileCheck::NotSpecified)),
                              StandInDialogs::Entry(InputFileMessage(InputFileCheck::NotFound))}));
    }

    // What the user changed is saved as shown, the large window excepted; texts the boxes
    // cannot show as read (a Latin-1 byte, 40,000 characters, 26 nines in a four-character limit
    // box) are saved back byte for byte when left alone. A linked settings file stays a link.
    void quitSavesTheChangesAndKeepsTheRestExactly() {
        const QByteArray saved = "\"\"\r\n\"caf\xE9, cr\xE8me\"\r\n\"" + QByteArray(40000, 'w') +
                                 "\"\r\n\"" + QByteArray(26, '9') +
                                 "\"\r\n\"\"\r\n2\r\n1\r\n1\r\n1\r\n2\r\n1\r\n1\r\n";
        WindowFixture f;
        const QString real = f.writeFile("real.usr", saved);
        QVERIFY(QFile::link(real, f.settingsPath));
        f.start();
        f.box("txbMaxNumBytesInMetaTag")->setText("77");
        f.find<QComboBox>("cboTableWeight")->setCurrentIndex(0);
        f.find<QCheckBox>("chkLargeWindow")->setChecked(true);
        f.click("cmdQuit");
        QCOMPARE(f.endCount, 1);
        QVERIFY(QFileInfo(f.settingsPath).isSymLink());
        QCOMPARE(f.readFile(real),
                 QByteArray(saved).replace("\"\"\r\n2\r\n1\r\n1\r\n", "\"77\"\r\n2\r\n1\r\n0\r\n"));
    }

    // A page that cannot be read is told in a message box (the commands come back as after Stop).
    void aFailedRunTellsWhyAndUnlocks() {
        WindowFixture f;
        f.startOn(kGardenPage, [](const std::string&, orvanta::RunHost&) {
            orvanta::RunResult failed; // a failure unless told otherwise
            failed.failureReason = "Input/output error";
            return failed;
        });
        f.click("cmdGenerateKeywordMetaTag");
        QCOMPARE(f.dialogs.messages, QStringList{StandInDialogs::Entry(
                                         orvanta::core::ReadErrorMessage("Input/output error"))});
    }

    // Enter in the input box trims the name and checks it as leaving the box does, once; the
    // focus moves on to the next step only with a good name.
    void enterInTheInputBoxChecksTheName() {
        const char* next = "cmdGenerateKeywordMetaTag";
        const std::tuple<const char*, bool, const char*> rows[] = {{"index.txt", true, next},
                                                                   {"missing.html", true, next},
                                                                   {"PAGE.SHTML", false, next},
                                                                   {"", false, "cmdInputFile"}};
        for (const auto& [name, told, focus] : rows) {
            WindowFixture f;
            f.writeFile("PAGE.SHTML", kGardenPage);
            f.start();
            const QString path = *name ? f.folder.filePath(name) : QString();
            QLineEdit* input = f.box("txbInputFile");
            input->setFocus();
            input->setText("  " + path + "  ");
            QTest::keyClick(input, Qt::Key_Return);
            QCOMPARE(input->text(), path);
            QCOMPARE(f.focus(), QString(focus));
            const auto check = orvanta::core::CheckInputFileName(path.toStdString());
            const QString message =
                StandInDialogs::Entry(InputFileNameMessage(check, path.toStdString()));
            QCOMPARE(f.dialogs.messages, told ? QStringList{message} : QStringList());
        }
    }

    // Leaving a limit box checks what it holds (four characters at most) and reports the
    // result; a value it cannot take is replaced by the default and the box keeps the focus.
    void leavingALimitBoxChecksIt() {
        const char *words = "txbMaxNumKeywordsInMetaTag", *bytes = "txbMaxNumBytesInMetaTag";
        const std::tuple<const char*, QString, QString> rows[] = {{words, "12.5", "12.5"},
                                                                  {words, "00999", "0099"},
                                                                  {bytes, "01999", "0199"},
                                                                  {bytes, "9999", "9999"}};
        for (const auto& [name, typed, held] : rows) {
            const auto check = QString(name).contains("Keywords")
                                   ? orvanta::core::CheckMaxKeywordsBox
                                   : orvanta::core::CheckMaxBytesBox;
            const orvanta::core::LimitBoxCheck expected = check(held.toStdString());
            WindowFixture f;
            f.start();
            QLineEdit* limit = f.box(name);
            limit->setFocus();
            limit->clear();
            QTest::keyClicks(limit, typed);
            f.box("txbWordsToIgnore")->setFocus();
            const QString message = QString::fromStdString(expected.message);
            QCOMPARE(f.dialogs.messages.join('\n'),
                     message.isEmpty() ? QString()
                                       : StandInDialogs::Entry(message, orvanta::ui::ProgramName(),
                                                               orvanta::ui::MessageIcon::None));
            QCOMPARE(limit->text(), QString::fromStdString(expected.finalText));
            QCOMPARE(f.focus(), message.isEmpty() ? QString("txbWordsToIgnore") : name);
        }
    }

    // A tag edited in the output box is copied as edited, without the summary lines.
    void copyTakesTheEditedTagWithoutTheSummaryLines() {
        WindowFixture f;
        f.startOn(kGardenPage);
        f.click("cmdGenerateKeywordMetaTag");
        const QString edited = f.output().replace("CONTENT=\"", "CONTENT=\"edited,");
        f.find<QPlainTextEdit>("txbMetaTag")->setPlainText(edited);
        f.click("cmdCopyToClipboard");
        const QString copied = QGuiApplication::clipboard()->text();
        const QRegularExpression tagOnly(
            "^<META NAME=\"keywords\" CONTENT=\"edited,[^\"\n]+\">\n\n$");
        QVERIFY2(tagOnly.match(copied).hasMatch(), qPrintable(copied));
    }

    // On the 800 pixels high test screen at 96 dpi (the sizes fail on another): large, the window
    // takes 90% of the screen and the output box what the rest leaves; back to normal, the box is
    // sized by the same rule. The copy button sits centred between Help and Quit.
    void largeWindowFollowsTheFormulasBothWays() {
        WindowFixture f;
        f.start();
        const auto sizes = [&f] {
            return QList<int>{f.window->height(), f.find("txbMetaTag")->height(),
                              f.find("Frame1")->y(), f.find("cmdCopyToClipboard")->x()};
        };
        QCOMPARE(sizes(), QList<int>({430, 141, 381, 228}));
        f.find<QCheckBox>("chkLargeWindow")->setChecked(true);
        QCOMPARE(sizes(), QList<int>({693, 409, 647, 228}));
        f.find<QCheckBox>("chkLargeWindow")->setChecked(false);
        QCOMPARE(sizes(), QList<int>({430, 146, 384, 228}));
    }

    // Labels and check boxes are drawn on the form's green in dark text; the boxes, lists and
    // buttons keep the desktop's own pairs of colours.
    void formTextStaysDarkOnTheGreenUnderADarkPalette() {
        const QPalette before = QApplication::palette();
        const QPalette dark = DarkDesktopPalette();
        QApplication::setPalette(dark);
        WindowFixture f;
        f.start();
        QCOMPARE(f.window->palette().color(QPalette::Window), QColor(192, 255, 192));
        for (const char* name : {"lblIgnoreTheseWords", "lblMaxNumBytes", "chkIgnoreCommonWords",
                                 "chkLargeWindow", "lblNotice"}) {
            const QWidget* widget = f.find(name);
            QVERIFY2(!widget->autoFillBackground(), name);
            QCOMPARE(widget->palette().color(widget->foregroundRole()), QColor(Qt::black));
        }
        const QPalette box = f.box("txbInputFile")->palette();
        QCOMPARE(box.color(QPalette::Base), dark.color(QPalette::Base));
        QCOMPARE(box.color(QPalette::Text), dark.color(QPalette::Text));
        QCOMPARE(f.find("cmdQuit")->palette().color(QPalette::ButtonText),
                 dark.color(QPalette::ButtonText));
        QApplication::setPalette(before);
    }

    // When the browser cannot be started, the warning names the manual's file.
    void linksOpenTheManualOrSayTheBrowserFailed() {
        WindowFixture f;
        f.start();
        f.click("lblVostrelSystems");
        const QUrl opened = f.dialogs.openedUrls.at(0);
        QCOMPARE(opened.fileName() + "#" + opened.fragment(), QString("manual.html#about"));
        f.dialogs.browserWorks = false;
        f.click("lblOnlineDocumentation");
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages[0].endsWith(orvanta::ui::ManualUrl().toLocalFile() +
                                               " | Orvanta | warning"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
