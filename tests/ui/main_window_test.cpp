#include "ui/web_links.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <sys/stat.h>

namespace {

const QByteArray kGardenPage = "<html><head><title>Rose garden</title></head><body>\n"
                               "<h1>Roses and pruning</h1>\n"
                               "<p>Roses need pruning. Garden roses like compost.</p>\n"
                               "<p>Compost feeds roses; pruning helps garden roses.</p>\n"
                               "</body></html>\n";

// Lines of six distinct words each, enough for a run to last until it is stopped.
QByteArray LongPage() {
    QByteArray page = "<html><body>\n";
    for (int n = 0; n < 240000; ++n) {
        QByteArray word = "qa";
        for (int m = n, i = 0; i < 4; ++i, m /= 26) {
            word += char('a' + m % 26);
        }
        page += word + (n % 6 == 5 ? '\n' : ' ');
    }
    return page + "</body></html>\n";
}

// Options in the order WindowFixture::options() lists them.
const QString kDefaultOptions = "|||50|500|3|2|1|1|3|on|on";

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    // "PAGE" in the settings file and in the expected options stands for an existing page.
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
    }

    void startShowsTheSavedOrDefaultOptions() {
        QFETCH(QByteArray, settingsFile);
        QFETCH(QString, options);
        QFETCH(QString, focus);
        WindowFixture f;
        const QString page = f.writeFile("page.html", kGardenPage);
        if (!settingsFile.isEmpty()) {
            f.writeFile("orv.usr", settingsFile.replace("PAGE", page.toUtf8()));
        }
        f.start();
        QCOMPARE(f.options(), options.replace("PAGE", page));
        QCOMPARE(f.focus(), focus);
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void resetRestoresTheOptionsAndEachClearEmptiesItsBox() {
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

        // The cleared list takes effect at once: the next run reads the page again.
        f.click("cmdClearWordsToIgnore");
        QCOMPARE(f.focus(), QString("cmdClearWordsToIgnore"));
        f.click("cmdListWords");
        QVERIFY(f.output().contains("rose"));
        f.click("cmdClearBeginMetaTagWith");
        QCOMPARE(f.options(), page + "|||50|500|3|2|1|1|3|on|on");

        // Without a file name the kept table is not reused.
        f.click("cmdClearInputFile");
        QCOMPARE(f.box("txbInputFile")->text(), QString());
        QCOMPARE(f.focus(), QString("cmdInputFile"));
        f.click("cmdGenerateKeywordMetaTag");
        f.box("txbInputFile")->setText(f.folder.filePath("gone.html"));
        f.click("cmdShowExistingKeywordMetaTag");
        QCOMPARE(f.dialogs.messages,
                 QStringList({"Input file not specified. | Error | warning",
                              "Input file not found. | File not found | warning"}));
    }

    // Only settings that shape the word table make a run read the page again.
    void keptTableIsReusedUntilATableSettingChanges() {
        WindowFixture f;
        f.startOn(kGardenPage);
        f.click("cmdListWords");
        f.writeFile("page.html", kGardenPage + "<p>zebra zebra zebra zebra zebra</p>\n");
        f.box("txbMaxNumKeywordsInMetaTag")->setText("40");
        f.click("cmdGenerateKeywordMetaTag");
        QVERIFY(f.output().startsWith("<META NAME=\"keywords\" CONTENT=\""));
        QVERIFY(!f.output().contains("zebra"));

        f.find<QComboBox>("cboBoldWeight")->setCurrentIndex(4);
        f.click("cmdGenerateKeywordMetaTag");
        QVERIFY(f.output().contains("zebra"));
    }

    void stopEndsTheRun() {
        WindowFixture f;
        f.startOn(LongPage());
        auto* listWords = f.find<QPushButton>("cmdListWords");
        bool lockedDuringRun = false;
        QTimer::singleShot(0, [&] {
            lockedDuringRun = listWords->text() == "Stop" &&
                              !f.find("cmdGenerateKeywordMetaTag")->isEnabled() &&
                              !f.find("cmdReset")->isEnabled() && f.find("cmdQuit")->isEnabled();
            f.click("cmdListWords");
        });
        f.click("cmdListWords");

        QVERIFY(lockedDuringRun);
        // The click may come while the first lines are still being read: no word counted yet.
        const QRegularExpression stopped("Stopped with \\d+ words identified\\.$");
        QVERIFY2(stopped.match(f.output()).hasMatch(), qPrintable(f.output().right(80)));
        QCOMPARE(listWords->text(), QString("List words"));

        // A stopped run leaves nothing to reuse: the next press reads the page from the start.
        f.writeFile("page.html", kGardenPage);
        f.click("cmdGenerateKeywordMetaTag");
        QVERIFY(f.output().contains("compost"));
    }

    // Texts the boxes cannot show as read (a Latin-1 byte, 40,000 characters, 26 nines in a
    // four-character limit box) are saved back byte for byte when the user leaves them alone;
    // a text the user changes is saved as typed. A linked settings file stays a link.
    void unchangedSettingsAreSavedBackExactly() {
        WindowFixture f;
        const QByteArray longText(40000, 'w');
        const QByteArray saved = "\"\"\r\n\"caf\xE9, cr\xE8me\"\r\n\"" + longText + "\"\r\n\"" +
                                 QByteArray(26, '9') +
                                 "\"\r\n\"\"\r\n2\r\n1\r\n1\r\n1\r\n2\r\n1\r\n1\r\n";
        const QString real = f.writeFile("real.usr", saved);
        QFile::remove(f.statePath);
        QVERIFY(QFile::link(real, f.statePath));
        f.start();
        f.window->close();
        QVERIFY(QFileInfo(f.statePath).isSymLink());
        QFile state(real);
        QVERIFY(state.open(QIODevice::ReadOnly));
        QCOMPARE(state.readAll(), saved);
        state.close();

        WindowFixture g;
        g.writeFile("orv.usr", saved);
        g.start();
        g.box("txbMaxNumBytesInMetaTag")->setText("77");
        g.window->close();
        QFile again(g.statePath);
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), QByteArray(saved).replace("\"\"\r\n2\r\n", "\"77\"\r\n2\r\n"));
    }

    // A settings file that is a FIFO, a folder or a link to a device never keeps the window from
    // appearing: it starts with the defaults, and a save says why it cannot replace the file.
    void aSettingsFileThatIsNoFileGivesTheDefaults_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("saveMessage");
        QTest::newRow("FIFO") << "fifo"
                              << "Not a regular file";
        QTest::newRow("folder") << "folder"
                                << "Is a folder";
        QTest::newRow("link to /dev/zero") << "link"
                                           << "Not a regular file";
    }

    void aSettingsFileThatIsNoFileGivesTheDefaults() {
        QFETCH(QString, kind);
        QFETCH(QString, saveMessage);
        WindowFixture f;
        const QByteArray path = QFile::encodeName(f.statePath);
        if (kind == "fifo") {
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        } else if (kind == "folder") {
            QVERIFY(QDir().mkdir(f.statePath));
        } else {
            QVERIFY(QFile::link("/dev/zero", f.statePath));
        }
        f.start();
        QCOMPARE(f.options(), kDefaultOptions);
        QVERIFY(f.dialogs.messages.isEmpty());
        f.window->close();
        QCOMPARE(f.dialogs.messages, QStringList{"Error when attempting to save the state: " +
                                                 saveMessage + " | Save state | warning"});
    }

    void closingDuringARunSavesAndEnds() {
        WindowFixture f;
        f.startOn(LongPage());
        QTimer::singleShot(0, [&] { f.window->close(); });
        f.click("cmdGenerateKeywordMetaTag");
        QCOMPARE(f.endCount, 1);
        QVERIFY(f.dialogs.messages.isEmpty());
        QFile state(f.statePath);
        QVERIFY(state.open(QIODevice::ReadOnly));
        QCOMPARE(state.readLine(), "\"" + f.box("txbInputFile")->text().toUtf8() + "\"\r\n");
    }

    void aFailedRunTellsWhyAndUnlocks() {
        WindowFixture f;
        f.startOn(kGardenPage, [](const std::string&, orvanta::RunHost&) {
            orvanta::RunResult failed; // a failure unless told otherwise
            failed.failureReason = "Input/output error";
            return failed;
        });
        f.click("cmdGenerateKeywordMetaTag");
        QCOMPARE(f.dialogs.messages,
                 QStringList{"Error when reading the input file: Input/output error | Error | "
                             "warning"});
        QCOMPARE(f.find<QPushButton>("cmdListWords")->text(), QString("List words"));
        for (const char* name : {"cmdInputFile", "cmdGenerateKeywordMetaTag", "cmdReset",
                                 "cmdShowExistingKeywordMetaTag", "cmdHelp"}) {
            QVERIFY2(f.find(name)->isEnabled(), name);
        }
    }

    void leavingTheInputBoxChecksTheName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const auto row = [](const char* tag, const char* name, const char* message,
                            const char* focus = "cmdGenerateKeywordMetaTag") {
            QTest::newRow(tag) << QString(name) << QString(message) << QString(focus);
        };
        const char* invalid = "Invalid input file specification | Invalid input | warning";
        row("dot in a folder name", "my.site/index", invalid);
        row("dot in a backslash folder", "my.site\\index", invalid);
        row("not html", "index.txt",
            "Input file must have .htm or .html extension. | Invalid input");
        row("missing", "missing.html", "Input file does not exist. | File not found | warning");
        row("existing, htm in any case", "PAGE.SHTML", "");
        row("blank", "", "", "cmdInputFile");
    }

    void leavingTheInputBoxChecksTheName() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        WindowFixture f;
        f.writeFile("PAGE.SHTML", kGardenPage);
        f.start();
        const QString path = name.isEmpty() ? QString() : f.folder.filePath(name);
        QLineEdit* input = f.box("txbInputFile");
        input->setFocus();
        input->setText("  " + path + "  ");
        // Enter does what leaving does, once; the focus it moves on does not repeat it.
        QTest::keyClick(input, Qt::Key_Return);
        QCOMPARE(input->text(), path);
        QCOMPARE(f.focus(), focus);
        QCOMPARE(f.dialogs.messages.join('\n'), message);
    }

    void aBadKeywordLimitIsReplacedAndTheBoxKeepsTheFocus() {
        WindowFixture f;
        f.start();
        QLineEdit* keywords = f.box("txbMaxNumKeywordsInMetaTag");
        keywords->setFocus();
        keywords->setText("12.5");
        f.box("txbMaxNumBytesInMetaTag")->setFocus();
        QCOMPARE(f.dialogs.messages,
                 QStringList{"Maximum number of keywords in the meta tag is 100. | Orvanta"});
        QCOMPARE(keywords->text(), QString("50"));
        QCOMPARE(f.focus(), QString("txbMaxNumKeywordsInMetaTag"));
    }

    void settingsAreSavedOnQuitWithoutTheLargeWindow() {
        WindowFixture f;
        f.start();
        f.box("txbBeginMetaTagWith")->setText("say \"hi\", rose");
        f.find<QComboBox>("cboTableWeight")->setCurrentIndex(0);
        f.find<QCheckBox>("chkLargeWindow")->setChecked(true);
        f.click("cmdQuit");
        QCOMPARE(f.endCount, 1);
        QFile state(f.statePath);
        QVERIFY(state.open(QIODevice::ReadOnly));
        QCOMPARE(state.readAll(), QByteArray("\"\"\r\n\"say \"hi\", rose\"\r\n\"\"\r\n\"50\"\r\n"
                                             "\"500\"\r\n2\r\n1\r\n0\r\n1\r\n2\r\n1\r\n1\r\n"));
    }

    void aFailedSaveIsReportedAndTheProgramStillEnds() {
        WindowFixture f;
        f.statePath = f.writeFile("not-a-folder", "x") + "/orv.usr";
        f.start();
        f.window->close();
        QCOMPARE(f.endCount, 1);
        QCOMPARE(f.dialogs.messages.size(), 1);
        const QRegularExpression expected(
            "^Error when attempting to save the state: \\S.* \\| Save state \\| warning$");
        QVERIFY2(expected.match(f.dialogs.messages[0]).hasMatch(),
                 qPrintable(f.dialogs.messages[0]));
    }

    void copyLeavesOutTheSummaryLines() {
        WindowFixture f;
        f.startOn(kGardenPage);
        f.click("cmdGenerateKeywordMetaTag");
        f.click("cmdCopyToClipboard");
        const QRegularExpression tagOnly("^<META NAME=\"keywords\" CONTENT=\"[^\"\n]+\">\n\n$");
        QVERIFY2(tagOnly.match(QGuiApplication::clipboard()->text()).hasMatch(),
                 qPrintable(QGuiApplication::clipboard()->text()));

        // An edited tag is copied as edited, still without the summary lines.
        const QString edited = f.output().replace("CONTENT=\"", "CONTENT=\"edited,");
        f.find<QPlainTextEdit>("txbMetaTag")->setPlainText(edited);
        f.click("cmdCopyToClipboard");
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY2(copied.startsWith("<META NAME=\"keywords\" CONTENT=\"edited,") &&
                     copied.endsWith("\">\n\n"),
                 qPrintable(copied));
    }

    // On the 800 pixels high test screen at 96 dpi (15 twips a pixel): large, the window takes
    // 90% of the screen's 12000 twips (10800, 405 of them frame) and the output box what the
    // rest leaves.
    void largeWindowFollowsTheFormulasBothWays() {
        WindowFixture f;
        f.start();
        QCOMPARE(f.window->screen()->geometry().height(), 800);
        QCOMPARE(f.window->logicalDpiY(), 96);
        auto* box = f.find("txbMetaTag");
        auto* strip = f.find("Frame1");
        QCOMPARE(f.window->height(), 430);

        f.find<QCheckBox>("chkLargeWindow")->setChecked(true);
        QCOMPARE(f.window->height(), 693);
        QCOMPARE(box->height(), 409);
        QCOMPARE(strip->y(), 647);

        f.find<QCheckBox>("chkLargeWindow")->setChecked(false);
        QCOMPARE(f.window->height(), 430);
        QCOMPARE(box->height(), 146);
        QCOMPARE(strip->y(), 384);
    }

    void linksOpenTheManualOrSayTheBrowserFailed() {
        WindowFixture f;
        f.start();
        f.click("lblVostrelSystems");
        QCOMPARE(f.dialogs.openedUrls.at(0).fileName() + "#" +
                     f.dialogs.openedUrls.at(0).fragment(),
                 QString("manual.html#about"));
        f.dialogs.browserWorks = false;
        f.click("lblOnlineDocumentation");
        QCOMPARE(f.dialogs.messages,
                 QStringList{"Error launching web browser. Please make sure that your web browser "
                             "is correctly installed and configured\n\nThe manual is the file " +
                             orvanta::ui::ManualUrl().toLocalFile() + " | Orvanta | warning"});
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
