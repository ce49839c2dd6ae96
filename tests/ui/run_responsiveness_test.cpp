// A run in the window: Stop and Quit inside one long line, the event loop served during a run,
// and the output box's handling of long texts.
#include "ui/box_text.h"
#include "ui/program_start.h"
#include "ui/single_instance_lock.h"
#include "window_fixture.h"

#include <QRegularExpression>
#include <QTextDocument>
#include <QTimer>

namespace {

// About seven megabytes: 1,000,000 words, `distinct` of them different, all on one line unless
// `wordsPerLine` is given.
QByteArray OneLongLinePage(int distinct = 1'000'000, int wordsPerLine = 0) {
    QByteArray page = "<html><body>";
    page.reserve(8'000'000);
    for (int n = 0; n < 1'000'000; ++n) {
        page += "qa";
        for (int m = n % distinct, i = 0; i < 5; ++i, m /= 26) {
            page += char('a' + m % 26);
        }
        page += wordsPerLine > 0 && n % wordsPerLine == wordsPerLine - 1 ? '\n' : ' ';
    }
    return page + "</body></html>\n";
}

} // namespace

class RunResponsivenessTest : public QObject {
    Q_OBJECT
private slots:
    void stopEndsTheRunInsideALongLine() {
        WindowFixture f;
        f.startOn(OneLongLinePage());
        // Stop once the scanning has begun (the first words are showing).
        bool stopClicked = false;
        QTimer poll;
        poll.setInterval(5);
        connect(&poll, &QTimer::timeout, [&] {
            if (!stopClicked && !f.output().isEmpty()) {
                stopClicked = true;
                f.click("cmdListWords");
            }
        });
        poll.start();
        f.click("cmdListWords");
        poll.stop();

        QVERIFY(stopClicked);
        const QRegularExpression stopped(
            "qa[a-z]+ \nStopped with ([1-9]\\d*) words identified\\.$");
        const QRegularExpressionMatch match = stopped.match(f.output());
        QVERIFY2(match.hasMatch(), qPrintable(f.output().right(80)));
        // Stopped inside the line: far fewer words than the line holds.
        QVERIFY(match.captured(1).toLongLong() < 900'000);
        QCOMPARE(f.find<QPushButton>("cmdListWords")->text(), QString("List words"));
        QVERIFY(f.find("cmdGenerateKeywordMetaTag")->isEnabled());
    }

    // A line of 40 MB takes a while to read and prepare before its first word is scanned; Stop
    // ends the run during that time, with no word counted yet.
    void stopEndsTheRunWhileAHugeLineIsRead() {
        WindowFixture f;
        f.startOn("<html><body>" + QByteArray("qabcde ").repeated(6'000'000) + "</body></html>");
        bool stopClicked = false;
        QTimer::singleShot(20, [&] {
            stopClicked = true;
            f.click("cmdListWords");
        });
        f.click("cmdListWords");

        QVERIFY(stopClicked);
        QVERIFY2(f.output().endsWith("Stopped with 0 words identified."),
                 qPrintable(f.output().right(80)));
    }

    // A timer keeps firing while the run is under way: the window serves its event loop during
    // a run, not only at its end. (How often is a figure of the window benchmark, not a test.)
    void theEventLoopIsServedDuringARun() {
        WindowFixture f;
        f.startOn(OneLongLinePage(80'000, 1000));
        int ticks = 0;
        QTimer ticker;
        ticker.setInterval(5);
        connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start();
        f.click("cmdListWords");
        ticker.stop();
        QVERIFY2(ticks >= 2, qPrintable(QString::number(ticks)));
        QVERIFY(f.output().startsWith("Rank Value Frequency"));
    }

    void quittingDuringARunReleasesTheLockAtOnce() {
        WindowFixture f;
        const QString page = f.writeFile("page.html", OneLongLinePage());
        const QString lockPath = f.folder.filePath("orvanta.lock");
        orvanta::ui::SingleInstanceLock lock(lockPath);
        orvanta::ui::MainWindowOptions options;
        options.stateFilePath = f.statePath;
        options.dialogs = &f.dialogs;
        int ends = 0;
        options.endProgram = [&] { ++ends; };
        auto window = orvanta::ui::StartProgram(lock, std::move(options),
                                                {QString(), f.folder.filePath("open.socket")})
                          .window;
        QVERIFY(window);
        window->findChild<QLineEdit*>("txbInputFile")->setText(page);

        bool freeAfterQuit = false;
        bool quitClicked = false;
        QTimer::singleShot(50, [&] {
            quitClicked = true;
            QTest::mouseClick(window->findChild<QPushButton*>("cmdQuit"), Qt::LeftButton);
            orvanta::ui::SingleInstanceLock next(lockPath);
            freeAfterQuit = next.tryLock();
        });
        QTest::mouseClick(window->findChild<QPushButton*>("cmdListWords"), Qt::LeftButton);

        QVERIFY(quitClicked);
        QCOMPARE(ends, 1);
        QVERIFY(freeAfterQuit);
        QVERIFY(QFile::exists(f.statePath));
    }

    // Progress shows every new word followed by a space, in lines of 250 words.
    void progressWritesTheWordsInLines() {
        WindowFixture f;
        f.startOn("<p>x</p>\n", [](const std::string&, orvanta::RunHost& host) {
            for (int n = 1; n <= 600; ++n) {
                host.wordAdded("w" + std::to_string(n), n);
            }
            orvanta::RunResult stopped;
            stopped.outcome = orvanta::RunOutcome::Stopped;
            stopped.wordsIdentified = 600;
            return stopped;
        });
        f.click("cmdListWords");
        const QStringList lines = f.output().split('\n');
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[0].startsWith("w1 w2 ") && lines[0].endsWith(" w250 "));
        QVERIFY(lines[1].startsWith("w251 ") && lines[1].endsWith(" w500 "));
        QVERIFY(lines[2].startsWith("w501 ") && lines[2].endsWith(" w600 "));
        QCOMPARE(lines[3], QString("Stopped with 600 words identified."));
    }

    // A long text is grouped into few paragraphs; what the box gives back is unchanged.
    void aLongTextKeepsItsLinesInFewParagraphs() {
        QPlainTextEdit box;
        QStringList lines;
        for (int n = 0; n < 5000; ++n) {
            lines << QString("word%1   1   3").arg(n);
        }
        const QString text = lines.join('\n');
        orvanta::ui::ShowBoxText(&box, text);
        QCOMPARE(box.toPlainText(), text);
        QVERIFY(box.document()->blockCount() <= 5000 / 64 + 1);

        const QString shortText = "one\ntwo\nthree";
        QCOMPARE(orvanta::ui::GroupLines(shortText), shortText);
        orvanta::ui::ShowBoxText(&box, shortText);
        QCOMPARE(box.document()->blockCount(), 3);
    }
};

QTEST_MAIN(RunResponsivenessTest)
#include "run_responsiveness_test.moc"
