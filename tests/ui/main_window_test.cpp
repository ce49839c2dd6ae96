#include "ui/program_identity.h"
#include "window_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>

using orvanta::ui::MessageIcon;

namespace {

const QByteArray kGardenPage = "<html><head><title>Rose garden</title></head><body>\n"
                               "<h1>Roses and pruning</h1>\n"
                               "<p>Roses need pruning. Garden roses like compost.</p>\n"
                               "<p>Compost feeds roses; pruning helps garden roses.</p>\n"
                               "</body></html>\n";

// Many lines of distinct words, so that a run lasts long enough to be stopped.
QByteArray LongPage(int lines) {
    QByteArray page = "<html><body>\n";
    for (int line = 0; line < lines; ++line) {
        for (int w = 0; w < 6; ++w) {
            int n = line * 6 + w;
            QByteArray word = "qa";
            for (int i = 0; i < 4; ++i) {
                word += char('a' + n % 26);
                n /= 26;
            }
            page += word + ' ';
        }
        page += '\n';
    }
    return page + "</body></html>\n";
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartShowsTheDefaults() {
        WindowFixture f;
        f.start();
        QCOMPARE(f.window->windowTitle(), QString("Orvanta 1.0"));
        QCOMPARE(f.window->objectName(), QString("frmMain"));
        QCOMPARE(f.find<QCheckBox>("chkIgnoreCommonWords")->checkState(), Qt::Checked);
        QCOMPARE(f.find<QCheckBox>("chkIgnoreShortWords")->checkState(), Qt::Checked);
        QCOMPARE(f.find<QComboBox>("cboShortWordSize")->currentText(), QString("3"));
        QCOMPARE(f.find<QComboBox>("cboThresholdFrequency")->currentText(), QString("2"));
        QCOMPARE(f.find<QComboBox>("cboTableWeight")->currentText(), QString("1"));
        QCOMPARE(f.find<QComboBox>("cboExistingKeywordsWeight")->currentText(), QString("1"));
        QCOMPARE(f.find<QComboBox>("cboBoldWeight")->currentText(), QString("3"));
        QCOMPARE(f.find<QLineEdit>("txbMaxNumKeywordsInMetaTag")->text(), QString("50"));
        QCOMPARE(f.find<QLineEdit>("txbMaxNumBytesInMetaTag")->text(), QString("500"));
        QVERIFY(f.find<QLineEdit>("txbInputFile")->text().isEmpty());
        QVERIFY(f.find<QLineEdit>("txbWordsToIgnore")->text().isEmpty());
        QVERIFY(f.find<QLineEdit>("txbBeginMetaTagWith")->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), f.find<QWidget>("cmdInputFile"));
        QVERIFY(f.find<QPushButton>("cmdCopyToClipboard")->isEnabled());
        QVERIFY(f.dialogs.messages.empty());
    }

    void startRestoresTheSavedSettings() {
        WindowFixture f;
        const QString page = f.writeFile("page.html", kGardenPage);
        f.writeFile("orv.usr", "\"" + page.toUtf8() +
                                   "\"\r\n\"Rose Garden\"\r\n\"Alpha  Beta,,\"\r\n"
                                   "\"999\"\r\n\"\"\r\n0\r\n2\r\n0\r\n9\r\n8\r\n2\r\n0\r\n");
        f.start();
        QCOMPARE(f.find<QLineEdit>("txbInputFile")->text(), page);
        QCOMPARE(f.find<QLineEdit>("txbBeginMetaTagWith")->text(), QString("Rose Garden"));
        QCOMPARE(f.find<QLineEdit>("txbWordsToIgnore")->text(), QString("alpha,beta"));
        QCOMPARE(f.find<QLineEdit>("txbMaxNumKeywordsInMetaTag")->text(), QString("999"));
        QCOMPARE(f.find<QComboBox>("cboShortWordSize")->currentText(), QString("1"));
        QCOMPARE(f.find<QComboBox>("cboExistingKeywordsWeight")->currentText(), QString("9"));
        QCOMPARE(f.find<QComboBox>("cboBoldWeight")->currentText(), QString("9"));
        QCOMPARE(f.find<QCheckBox>("chkIgnoreShortWords")->checkState(), Qt::PartiallyChecked);
        QCOMPARE(f.find<QCheckBox>("chkIgnoreCommonWords")->checkState(), Qt::Unchecked);
        QCOMPARE(QApplication::focusWidget(), f.find<QWidget>("cmdGenerateKeywordMetaTag"));
    }

    void aBadRestoredFileNameGoesSilently() {
        WindowFixture f;
        f.writeFile("orv.usr", "\"/no/such/page.html\"\r\n\"\"\r\n\"\"\r\n\"50\"\r\n\"500\"\r\n"
                               "2\r\n1\r\n1\r\n1\r\n2\r\n1\r\n1\r\n");
        f.start();
        QVERIFY(f.find<QLineEdit>("txbInputFile")->text().isEmpty());
        QVERIFY(f.dialogs.messages.empty());
    }

    void resetKeepsTheTextsAndRestoresTheOptions() {
        WindowFixture f;
        f.start();
        f.find<QLineEdit>("txbInputFile")->setText("x.html");
        f.find<QLineEdit>("txbWordsToIgnore")->setText("alpha");
        f.find<QLineEdit>("txbBeginMetaTagWith")->setText("rose garden");
        f.find<QLineEdit>("txbMaxNumKeywordsInMetaTag")->setText("20");
        f.find<QComboBox>("cboBoldWeight")->setCurrentIndex(7);
        f.find<QCheckBox>("chkIgnoreCommonWords")->setChecked(false);
        QTest::mouseClick(f.find<QPushButton>("cmdReset"), Qt::LeftButton);
        QCOMPARE(f.find<QLineEdit>("txbInputFile")->text(), QString("x.html"));
        QCOMPARE(f.find<QLineEdit>("txbWordsToIgnore")->text(), QString("alpha"));
        QCOMPARE(f.find<QLineEdit>("txbBeginMetaTagWith")->text(), QString("rose garden"));
        QCOMPARE(f.find<QLineEdit>("txbMaxNumKeywordsInMetaTag")->text(), QString("50"));
        QCOMPARE(f.find<QComboBox>("cboBoldWeight")->currentText(), QString("3"));
        QVERIFY(f.find<QCheckBox>("chkIgnoreCommonWords")->isChecked());
    }

    void clearButtons() {
        WindowFixture f;
        const QString page = f.writeFile("page.html", kGardenPage);
        f.start();
        auto* input = f.find<QLineEdit>("txbInputFile");
        auto* output = f.find<QPlainTextEdit>("txbMetaTag");
        input->setText(page);
        f.find<QLineEdit>("txbWordsToIgnore")->setText("roses");
        f.find<QLineEdit>("txbWordsToIgnore")->setFocus();
        f.find<QLineEdit>("txbBeginMetaTagWith")->setFocus();
        QTest::mouseClick(f.find<QPushButton>("cmdListWords"), Qt::LeftButton);
        QVERIFY(!output->toPlainText().contains("rose"));

        // The cleared list takes effect at once: the next run reads the page again.
        QTest::mouseClick(f.find<QPushButton>("cmdClearWordsToIgnore"), Qt::LeftButton);
        QVERIFY(f.find<QLineEdit>("txbWordsToIgnore")->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), f.find<QWidget>("cmdClearWordsToIgnore"));
        QTest::mouseClick(f.find<QPushButton>("cmdListWords"), Qt::LeftButton);
        QVERIFY(output->toPlainText().contains("rose"));

        f.find<QLineEdit>("txbBeginMetaTagWith")->setText("x");
        QTest::mouseClick(f.find<QPushButton>("cmdClearBeginMetaTagWith"), Qt::LeftButton);
        QVERIFY(f.find<QLineEdit>("txbBeginMetaTagWith")->text().isEmpty());

        // Without a file name the kept table is not reused.
        QTest::mouseClick(f.find<QPushButton>("cmdClearInputFile"), Qt::LeftButton);
        QVERIFY(input->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), f.find<QWidget>("cmdInputFile"));
        QTest::mouseClick(f.find<QPushButton>("cmdGenerateKeywordMetaTag"), Qt::LeftButton);
        QCOMPARE(f.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(f.dialogs.messages[0].text, QString("Input file not specified."));
        QCOMPARE(f.dialogs.messages[0].title, QString("Error"));
        QCOMPARE(f.dialogs.messages[0].icon, MessageIcon::Warning);
    }

    // Only settings that shape the word table make a run read the page again.
    void keptResultIsReusedUntilATableSettingChanges() {
        WindowFixture f;
        const QString page = f.writeFile("page.html", kGardenPage);
        f.start();
        auto* output = f.find<QPlainTextEdit>("txbMetaTag");
        f.find<QLineEdit>("txbInputFile")->setText("  " + page + " ");
        QTest::mouseClick(f.find<QPushButton>("cmdListWords"), Qt::LeftButton);
        QCOMPARE(f.find<QLineEdit>("txbInputFile")->text(), page);
        QVERIFY(output->toPlainText().contains("roses") || output->toPlainText().contains("rose"));
        QCOMPARE(f.find<QLabel>("lblNumberOfWords")->text().left(23),
                 QString("Number of words found: "));

        f.writeFile("page.html", kGardenPage + "<p>zebra zebra zebra zebra zebra</p>\n");
        f.find<QLineEdit>("txbMaxNumKeywordsInMetaTag")->setText("40");
        QTest::mouseClick(f.find<QPushButton>("cmdGenerateKeywordMetaTag"), Qt::LeftButton);
        QVERIFY(output->toPlainText().startsWith("<META NAME=\"keywords\" CONTENT=\""));
        QVERIFY(!output->toPlainText().contains("zebra"));

        f.find<QComboBox>("cboBoldWeight")->setCurrentIndex(4);
        QTest::mouseClick(f.find<QPushButton>("cmdGenerateKeywordMetaTag"), Qt::LeftButton);
        QVERIFY(output->toPlainText().contains("zebra"));
        QCOMPARE(QApplication::focusWidget(), f.find<QWidget>("cmdGenerateKeywordMetaTag"));
        QVERIFY(f.dialogs.messages.empty());
    }

    void stopEndsTheRunBetweenLines() {
        WindowFixture f;
        const QString page = f.writeFile("long.html", LongPage(40000));
        f.start();
        f.find<QLineEdit>("txbInputFile")->setText(page);
        auto* listWords = f.find<QPushButton>("cmdListWords");
        bool lockedDuringRun = false;
        QTimer::singleShot(0, [&] {
            lockedDuringRun = listWords->text() == "Stop" &&
                              !f.find<QPushButton>("cmdGenerateKeywordMetaTag")->isEnabled() &&
                              !f.find<QPushButton>("cmdReset")->isEnabled() &&
                              f.find<QPushButton>("cmdQuit")->isEnabled();
            QTest::mouseClick(listWords, Qt::LeftButton);
        });
        QTest::mouseClick(listWords, Qt::LeftButton);

        QVERIFY(lockedDuringRun);
        const QString text = f.find<QPlainTextEdit>("txbMetaTag")->toPlainText();
        const QRegularExpression stopped("qa[a-z]+ \nStopped with (\\d+) words identified\\.$");
        const auto match = stopped.match(text);
        QVERIFY2(match.hasMatch(), qPrintable(text.right(80)));
        QVERIFY(match.captured(1).toInt() > 0);
        QVERIFY(f.find<QLabel>("lblNumberOfWords")->text().isEmpty());
        QCOMPARE(listWords->text(), QString("List words"));
        QVERIFY(f.find<QPushButton>("cmdGenerateKeywordMetaTag")->isEnabled());

        // A stopped run leaves nothing to reuse: the next press reads the page from the start.
        f.writeFile("long.html", kGardenPage);
        QTest::mouseClick(f.find<QPushButton>("cmdGenerateKeywordMetaTag"), Qt::LeftButton);
        QVERIFY(f.find<QPlainTextEdit>("txbMetaTag")->toPlainText().contains("compost"));
    }

    void closingDuringARunSavesAndEnds() {
        WindowFixture f;
        const QString page = f.writeFile("long.html", LongPage(40000));
        f.start();
        f.find<QLineEdit>("txbInputFile")->setText(page);
        QTimer::singleShot(0, [&] { f.window->close(); });
        QTest::mouseClick(f.find<QPushButton>("cmdGenerateKeywordMetaTag"), Qt::LeftButton);
        QCOMPARE(f.endCount, 1);
        QVERIFY(f.dialogs.messages.empty());
        QFile state(f.statePath());
        QVERIFY(state.open(QIODevice::ReadOnly));
        QCOMPARE(state.readLine(), "\"" + page.toUtf8() + "\"\r\n");
    }

    void aFailedRunTellsWhyAndUnlocks() {
        WindowFixture f;
        const QString page = f.writeFile("page.html", kGardenPage);
        f.start([](const std::string&, orvanta::RunHost&) {
            orvanta::RunResult result;
            result.outcome = orvanta::RunOutcome::Failed;
            result.failureReason = "Input/output error";
            return result;
        });
        f.find<QLineEdit>("txbInputFile")->setText(page);
        QTest::mouseClick(f.find<QPushButton>("cmdGenerateKeywordMetaTag"), Qt::LeftButton);
        QCOMPARE(f.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(f.dialogs.messages[0].text,
                 QString("Error when reading the input file: Input/output error"));
        QCOMPARE(f.dialogs.messages[0].title, QString("Error"));
        QCOMPARE(f.dialogs.messages[0].icon, MessageIcon::Warning);
        QCOMPARE(f.find<QPushButton>("cmdListWords")->text(), QString("List words"));
        for (const char* name : {"cmdInputFile", "cmdGenerateKeywordMetaTag", "cmdReset",
                                 "cmdShowExistingKeywordMetaTag", "cmdHelp"}) {
            QVERIFY2(f.find<QPushButton>(name)->isEnabled(), name);
        }
    }

    void runChecksTheInputFile() {
        WindowFixture f;
        f.start();
        f.find<QLineEdit>("txbInputFile")->setText(f.folder.filePath("gone.html"));
        QTest::mouseClick(f.find<QPushButton>("cmdShowExistingKeywordMetaTag"), Qt::LeftButton);
        QCOMPARE(f.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(f.dialogs.messages[0].text, QString("Input file not found."));
        QCOMPARE(f.dialogs.messages[0].title, QString("File not found"));
        QCOMPARE(f.dialogs.messages[0].icon, MessageIcon::Warning);
    }

    void showExistingKeywords() {
        WindowFixture f;
        const QString page = f.writeFile(
            "page.html", "<head>\n<META NAME=\"keywords\" CONTENT=\"Roses, Soil\">\n</head>\n");
        f.start();
        f.find<QLineEdit>("txbInputFile")->setText(page);
        QTest::mouseClick(f.find<QPushButton>("cmdShowExistingKeywordMetaTag"), Qt::LeftButton);
        QCOMPARE(
            f.find<QPlainTextEdit>("txbMetaTag")->toPlainText(),
            QString(
                "Existing keyword meta tag:\n<meta name=\"keywords\" content=\"roses, soil\">"));
    }

    void inputFileNameValidation_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        QTest::newRow("dot in a folder name") << "my.site/index"
                                              << "Invalid input file specification"
                                              << "Invalid input" << int(MessageIcon::Warning);
        QTest::newRow("dot in a backslash folder") << "my.site\\index"
                                                   << "Invalid input file specification"
                                                   << "Invalid input" << int(MessageIcon::Warning);
        QTest::newRow("not html") << "index.txt"
                                  << "Input file must have .htm or .html extension."
                                  << "Invalid input" << int(MessageIcon::None);
        QTest::newRow("missing") << "missing.html"
                                 << "Input file does not exist."
                                 << "File not found" << int(MessageIcon::Warning);
        QTest::newRow("existing, upper case") << "INDEX.HTM"
                                              << ""
                                              << "" << 0;
        QTest::newRow("existing shtml") << "page.shtml"
                                        << ""
                                        << "" << 0;
    }

    void inputFileNameValidation() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(int, icon);
        WindowFixture f;
        f.writeFile("INDEX.HTM", kGardenPage);
        f.writeFile("page.shtml", kGardenPage);
        f.start();
        auto* input = f.find<QLineEdit>("txbInputFile");
        input->setFocus();
        input->setText("  " + f.folder.filePath(name) + "  ");
        QTest::keyClick(input, Qt::Key_Return);
        // Enter does what leaving does, once; the focus it moves on does not repeat it.
        QCOMPARE(input->text(), f.folder.filePath(name));
        QCOMPARE(QApplication::focusWidget(), f.find<QWidget>("cmdGenerateKeywordMetaTag"));
        if (text.isEmpty()) {
            QVERIFY(f.dialogs.messages.empty());
            return;
        }
        QCOMPARE(f.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(f.dialogs.messages[0].text, text);
        QCOMPARE(f.dialogs.messages[0].title, title);
        QCOMPARE(int(f.dialogs.messages[0].icon), icon);
        QCOMPARE(input->text(), f.folder.filePath(name));
    }

    void leavingAnEmptyInputBoxSaysNothing() {
        WindowFixture f;
        f.start();
        auto* input = f.find<QLineEdit>("txbInputFile");
        input->setFocus();
        input->setText("   ");
        f.find<QLineEdit>("txbWordsToIgnore")->setFocus();
        QVERIFY(input->text().isEmpty());
        QVERIFY(f.dialogs.messages.empty());
        QCOMPARE(QApplication::focusWidget(), f.find<QWidget>("cmdInputFile"));
    }

    void openDialog() {
        WindowFixture f;
        const QString page = f.writeFile("page.html", kGardenPage);
        f.start();
        auto* output = f.find<QPlainTextEdit>("txbMetaTag");
        output->setPlainText("earlier result");
        QTest::mouseClick(f.find<QPushButton>("cmdInputFile"), Qt::LeftButton);
        QCOMPARE(f.dialogs.openTitle, QString("Specify input file"));
        QCOMPARE(f.dialogs.openFilter, QString("HTML files (*.htm, *.html) | *.htm;*.html"));
        QCOMPARE(output->toPlainText(), QString("earlier result")); // cancelled

        f.dialogs.nextOpenFileName = page;
        QTest::mouseClick(f.find<QPushButton>("cmdInputFile"), Qt::LeftButton);
        QCOMPARE(f.find<QLineEdit>("txbInputFile")->text(), page);
        QVERIFY(output->toPlainText().isEmpty());
        QVERIFY(f.dialogs.messages.empty());
        QCOMPARE(QApplication::focusWidget(), f.find<QWidget>("cmdGenerateKeywordMetaTag"));
    }

    void limitBoxes() {
        WindowFixture f;
        f.start();
        auto* keywords = f.find<QLineEdit>("txbMaxNumKeywordsInMetaTag");
        auto* bytes = f.find<QLineEdit>("txbMaxNumBytesInMetaTag");
        keywords->setFocus();
        keywords->setText("12.5");
        bytes->setFocus();
        QCOMPARE(f.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(f.dialogs.messages[0].text,
                 QString("Maximum number of keywords in the meta tag is 100."));
        QCOMPARE(f.dialogs.messages[0].title, orvanta::ui::ProgramName());
        QCOMPARE(f.dialogs.messages[0].icon, MessageIcon::None);
        QCOMPARE(keywords->text(), QString("50"));
        QCOMPARE(QApplication::focusWidget(), keywords);
        QCOMPARE(keywords->cursorPosition(), 2);

        bytes->setFocus();
        bytes->setText("0");
        keywords->setFocus();
        QCOMPARE(bytes->text(), QString("0"));
        QCOMPARE(f.dialogs.messages.size(), std::size_t(1));
    }

    void settingsAreSavedOnQuit() {
        WindowFixture f;
        f.start();
        f.find<QLineEdit>("txbBeginMetaTagWith")->setText("say \"hi\", rose");
        f.find<QComboBox>("cboTableWeight")->setCurrentIndex(0);
        f.find<QCheckBox>("chkLargeWindow")->setChecked(true);
        QTest::mouseClick(f.find<QPushButton>("cmdQuit"), Qt::LeftButton);
        QCOMPARE(f.endCount, 1);
        QFile state(f.statePath());
        QVERIFY(state.open(QIODevice::ReadOnly));
        QCOMPARE(state.readAll(), QByteArray("\"\"\r\n\"say \"hi\", rose\"\r\n\"\"\r\n\"50\"\r\n"
                                             "\"500\"\r\n2\r\n1\r\n0\r\n1\r\n2\r\n1\r\n1\r\n"));
        f.window.reset();

        WindowFixture again;
        QVERIFY(QFile::copy(f.statePath(), again.statePath()));
        again.start();
        QCOMPARE(again.find<QLineEdit>("txbBeginMetaTagWith")->text(), QString("say \"hi\", rose"));
        QCOMPARE(again.find<QComboBox>("cboTableWeight")->currentText(), QString("0"));
        QVERIFY(!again.find<QCheckBox>("chkLargeWindow")->isChecked());
    }

    void aFailedSaveIsReported() {
        WindowFixture f;
        f.writeFile("not-a-folder", "x");
        orvanta::ui::MainWindowOptions options;
        options.stateFilePath = f.folder.filePath("not-a-folder/orv.usr");
        options.dialogs = &f.dialogs;
        options.endProgram = [&] { ++f.endCount; };
        orvanta::ui::MainWindow window(std::move(options));
        window.start();
        window.close();
        QCOMPARE(f.endCount, 1);
        QCOMPARE(f.dialogs.messages.size(), std::size_t(1));
        QVERIFY(f.dialogs.messages[0].text.startsWith("Error when attempting to save the state: "));
        QVERIFY(f.dialogs.messages[0].text.size() > 42);
        QCOMPARE(f.dialogs.messages[0].title, QString("Save state"));
        QCOMPARE(f.dialogs.messages[0].icon, MessageIcon::Warning);
    }

    void copyLeavesOutTheSummaryLines() {
        WindowFixture f;
        const QString page = f.writeFile("page.html", kGardenPage);
        f.start();
        f.find<QLineEdit>("txbInputFile")->setText(page);
        QTest::mouseClick(f.find<QPushButton>("cmdGenerateKeywordMetaTag"), Qt::LeftButton);
        auto* output = f.find<QPlainTextEdit>("txbMetaTag");
        auto* copy = f.find<QPushButton>("cmdCopyToClipboard");
        QTest::mouseClick(copy, Qt::LeftButton);
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY(copied.startsWith("<META NAME=\"keywords\" CONTENT=\""));
        QVERIFY(copied.endsWith("\">\n\n"));
        QVERIFY(!copied.contains("Number of"));

        output->setPlainText(
            output->toPlainText().replace("Number of keywords", "number of keywords"));
        QTest::mouseClick(copy, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), output->toPlainText());
    }

    void largeWindowFollowsTheFormulas() {
        WindowFixture f;
        f.start();
        auto* box = f.find<QPlainTextEdit>("txbMetaTag");
        auto* strip = f.find<QWidget>("Frame1");
        const int normalHeight = f.window->height();
        const QRect normalBox = box->geometry();
        const double twip = f.window->logicalDpiY() / 1440.0;
        const int screenTwips = qRound(f.window->screen()->geometry().height() / twip);

        f.find<QCheckBox>("chkLargeWindow")->setChecked(true);
        const int windowTwips = qRound(0.9 * screenTwips);
        const int boxTwips = windowTwips - 3465 - 645 - 550;
        QCOMPARE(f.window->height(), qRound((windowTwips - 405) * twip));
        QCOMPARE(box->height(), qRound(boxTwips * twip));
        QCOMPARE(strip->y(), qRound((boxTwips + 3465 + 100) * twip));
        QCOMPARE(box->geometry().topLeft(), normalBox.topLeft());
        QCOMPARE(box->width(), normalBox.width());

        f.find<QCheckBox>("chkLargeWindow")->setChecked(false);
        QCOMPARE(f.window->height(), normalHeight);
        QCOMPARE(box->height(), qRound((6450 + 405 - 3465 - 645 - 550) * twip));
        QCOMPARE(strip->y(), qRound((6450 + 405 - 645 - 550 + 100) * twip));
    }

    void linksOpenTheManual() {
        WindowFixture f;
        f.start();
        QTest::mouseClick(f.find<QWidget>("lblOnlineDocumentation"), Qt::LeftButton);
        QTest::mouseClick(f.find<QWidget>("lblVostrelSystems"), Qt::LeftButton);
        QCOMPARE(f.dialogs.openedUrls.size(), std::size_t(2));
        QVERIFY(f.dialogs.openedUrls[0].isLocalFile());
        QVERIFY(f.dialogs.openedUrls[0].path().endsWith("/manual.html"));
        QCOMPARE(f.dialogs.openedUrls[1].fragment(), QString("about"));
        QVERIFY(f.dialogs.messages.empty());

        f.dialogs.browserWorks = false;
        QTest::mouseClick(f.find<QWidget>("lblOnlineDocumentation"), Qt::LeftButton);
        QCOMPARE(f.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(f.dialogs.messages[0].text,
                 QString("Error launching web browser. Please make sure that your web browser is "
                         "correctly installed and configured"));
        QCOMPARE(f.dialogs.messages[0].title, QString("Orvanta"));
        QCOMPARE(f.dialogs.messages[0].icon, MessageIcon::Warning);
    }

    void f1OpensHelpOnlyOnItsButtons() {
        WindowFixture f;
        f.start();
        QTest::keyRelease(f.find<QWidget>("cmdListWords"), Qt::Key_F1);
        QVERIFY(!f.window->findChild<QWidget*>("frmHelp"));
        QTest::keyRelease(f.find<QWidget>("cmdShowExistingKeywordMetaTag"), Qt::Key_F1);
        auto* help = f.window->findChild<QWidget*>("frmHelp");
        QVERIFY(help && help->isVisible());
        help->hide();
        QTest::keyRelease(f.find<QWidget>("cmdGenerateKeywordMetaTag"), Qt::Key_F1);
        QVERIFY(help->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
